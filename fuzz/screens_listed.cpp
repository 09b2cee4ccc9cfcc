// Fails when a screen in the registry has no fuzz target.
#include <cstdio>
#include <string>

#include "screens/registry.h"

int main()
{
    const std::string listed = "," QM_FUZZ_SCREENS ",";
    int missing = 0;
    for (const qm::ScreenDef* s : qm::allScreens())
        if (listed.find("," + std::string(s->id) + ",") == std::string::npos) {
            std::fprintf(stderr, "screen %s has no fuzz target: add it to QM_FUZZ_SCREENS in fuzz/CMakeLists.txt\n",
                         s->id);
            ++missing;
        }
    return missing ? 1 : 0;
}
