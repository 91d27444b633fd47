// Everything public of the book application.
#pragma once
#include "book/px_anim.h"
#include "book/px_editor.h"
#include "book/px_herec.h"
#include "book/px_ks.h"
#include "book/px_narracia.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "book/px_stlmenie.h"
