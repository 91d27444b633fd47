// Everything public of the framework and the platform beneath it.
#pragma once

#include "platform/codepage.h"
#include "platform/ddraw.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/win32.h"

#include "framework/app/tf_appstate.h"
#include "framework/core/tf_arre.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_draw.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/surface/tf_faza.h"
#include "framework/surface/tf_geom.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_pol.h"
#include "framework/widgets/tf_polchlo.h"
