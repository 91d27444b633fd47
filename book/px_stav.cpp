#include "book/px_stav.h"

#include <cstdlib>

#include "book/px_narracia.h"
#include "book/px_plocha.h"
#include "book/px_trieda.h"

tf_CARRE KS(0, 0, 2);
tf_CARRE REG(0, 0, 2);

int current_book = -1;
int current_page = -1;
int listed_book = -1;
int next_page = 0;
int prev_page = 0;
char status_text[256] = "";
bool thumbnail_request = false;
char thumbnail_path[MAX_PATH] = "";
tf_CIcon* default_book_icon = nullptr;

bool dirty = false;

char* background_path = nullptr;
int background_mode = 4;
tf_CDas_Surface* background_surface = nullptr;
RECT background_src = {0, 0, 0, 0};
POINT background_dst = {0, 0};

bool running = false;
int speed_level = 2;
double wave_k = 0.0;
int hovered = -1;
int dragged = -1;
int setup_target = -1;
int insert_x = 50, insert_y = 50;

tf_CDUIR* duir_KNIHY = nullptr;
tf_CDUIR* duir_STRANY = nullptr;
tf_UTL_CDUIR_THMFILE* utl_duir_Pozadia = nullptr;
tf_UTL_CDUIR_THMFILE* utl_duir_Kulisy = nullptr;
tf_UTL_CDUIR_THMFILE* utl_duir_Herci = nullptr;
tf_CDUI* dui_PozGeometria = nullptr;
tf_CDUI* dui_setup = nullptr;
tf_CDUI* dui_setup_1 = nullptr;
tf_CDUI* dui_setup_2 = nullptr;
tf_CDUI* dui_setup_3 = nullptr;
tf_CDUI* dui_setup_4 = nullptr;
HPEN outline_pens[3] = {nullptr, nullptr, nullptr};
tf_CDSO_Zvuk* zvuk_naraz = nullptr;
tf_CDSO_Zvuk* zvuk_koniec = nullptr;

void PX_STAV_Reset() {
    PX_Narracia_Vymaz();
    px_trieda = PX_Trieda{};
    current_book = current_page = listed_book = -1;
    next_page = prev_page = 0;
    status_text[0] = '\0';
    thumbnail_request = false;
    thumbnail_path[0] = '\0';
    default_book_icon = nullptr;
    dirty = false;
    free(background_path);
    background_path = nullptr;
    background_mode = 4;
    background_surface = nullptr;
    background_src = {0, 0, 0, 0};
    background_dst = {0, 0};
    running = false;
    speed_level = 2;
    wave_k = 0.0;
    hovered = dragged = setup_target = -1;
    insert_x = insert_y = 50;
    PX_Plocha_Uvolni();
    px_plocha = {};
    duir_KNIHY = duir_STRANY = nullptr;
    utl_duir_Pozadia = utl_duir_Kulisy = utl_duir_Herci = nullptr;
    dui_PozGeometria = dui_setup = dui_setup_1 = dui_setup_2 = dui_setup_3 = dui_setup_4 = nullptr;
    for (HPEN& pen : outline_pens) pen = nullptr;
    zvuk_naraz = zvuk_koniec = nullptr;
}
