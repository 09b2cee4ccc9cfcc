// The calculator screens the printing tests print, by name.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "app/frame.h"
#include "screens/presumm/PreSummSource.h"
#include "screens/pretarg/PreTargSource.h"
#include "screens/qualify/QualifySource.h"
#include "screens/refinance/RefSource.h"
#include "screens/selling/SellingSource.h"

namespace qm::test {

inline const QStringList kPrintedScreens = {"Qualify", "Refinance", "Selling", "Prepay Summary", "Prepay Target"};

inline std::unique_ptr<TCalcForm> openScreen(const QString& name)
{
    if (name == QLatin1String("Qualify"))
        return std::make_unique<TQualifyForm>();
    if (name == QLatin1String("Refinance"))
        return std::make_unique<TRefForm>();
    if (name == QLatin1String("Selling"))
        return std::make_unique<TSellingForm>();
    if (name == QLatin1String("Prepay Summary"))
        return std::make_unique<TPreSummForm>();
    if (name == QLatin1String("Prepay Target"))
        return std::make_unique<TPreTargForm>();
    return nullptr;
}

}  // namespace qm::test
