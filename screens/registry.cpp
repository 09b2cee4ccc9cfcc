#include "screens/registry.h"

#include "screens/presumm/presumm.h"
#include "screens/pretarg/pretarg.h"
#include "screens/qualify/qualify.h"
#include "screens/refinance/refinance.h"
#include "screens/selling/selling.h"

namespace qm {

std::span<const ScreenDef* const> allScreens()
{
    static const ScreenDef* const screens[] = {
        &qualify::kScreen,
        &presumm::kScreen,
        &pretarg::kScreen,
        &refinance::kScreen,
        &selling::kScreen,
    };
    return screens;
}

const ScreenDef* findScreen(std::string_view id)
{
    for (const ScreenDef* s : allScreens())
        if (id == s->id)
            return s;
    return nullptr;
}

}  // namespace qm
