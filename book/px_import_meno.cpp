#include "book/px_import_meno.h"

#include "framework/core/tf_fsi.h"
#include "platform/codepage.h"

namespace {
constexpr size_t MAX_MENO = 40;

bool pouzitelny(unsigned char c) { return (c >= '0' && c <= '9') || c == '-' || c == '_' || plat_Cp1250IsLetter(c); }

bool obsadene(const std::string& priecinok, const std::string& meno, const std::vector<std::string>& vzate) {
    for (const std::string& v : vzate)
        if (plat_Cp1250EqualNoCase(v.c_str(), meno.c_str())) return true;
    for (const char* pripona : {".bmp", ".faz", ".thm"})
        if (tf_FSI_ExistsFolder((priecinok + "\\" + meno + pripona).c_str())) return true;
    return false;
}
}  // namespace

std::string PX_IMPORT_Meno(const std::string& host_path) {
    std::string subor = host_path.substr(host_path.rfind('/') + 1);
    if (const size_t bodka = subor.rfind('.'); bodka != std::string::npos && bodka > 0) subor.resize(bodka);
    std::string meno;
    for (const unsigned char c : plat_Cp1250FromHostName(subor.c_str())) {
        if (pouzitelny(c))
            meno += static_cast<char>(c);
        else if (!meno.empty() && meno.back() != '_')
            meno += '_';
    }
    if (meno.size() > MAX_MENO) meno.resize(MAX_MENO);
    while (!meno.empty() && meno.back() == '_') meno.pop_back();
    if (meno.empty()) meno = "obrazok";
    if (meno.rfind("rezia", 0) == 0 || meno.rfind("sprit", 0) == 0) meno[0] = static_cast<char>(meno[0] - 'a' + 'A');
    return meno;
}

std::string PX_IMPORT_VolneMeno(const std::string& priecinok, const std::string& meno,
                                const std::vector<std::string>& vzate) {
    std::string kandidat = meno;
    for (int n = 2; obsadene(priecinok, kandidat, vzate); ++n) kandidat = meno + "_" + std::to_string(n);
    return kandidat;
}
