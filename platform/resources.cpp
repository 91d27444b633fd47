// Looks up the compiled-in resources and those that tests add.
#include "platform/resources.h"

#include <deque>
#include <string>

#include "platform/codepage.h"

namespace {
struct Added {
    std::string name;
    plat_Resource res;
};

// A deque never moves its elements, so the pointers handed out stay valid.
std::deque<Added>& added() {
    static std::deque<Added> list;
    return list;
}
}  // namespace

const plat_Resource* plat_FindResource(const char* name) {
    if (!name) return nullptr;
    for (auto it = added().rbegin(); it != added().rend(); ++it)
        if (plat_Cp1250EqualNoCase(it->name.c_str(), name)) return &it->res;
    for (const plat_Resource* r = plat_resource_table; r->name; ++r)
        if (plat_Cp1250EqualNoCase(r->name, name)) return r;
    return nullptr;
}

void plat_AddResource(const char* name, const unsigned char* data, size_t size) {
    if (!name) return;
    Added& a = added().emplace_back(Added{name, {nullptr, data, size}});
    a.res.name = a.name.c_str();
}
