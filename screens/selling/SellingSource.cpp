#include "screens/selling/SellingSource.h"

#include "screens/selling/selling.h"

namespace qm {

namespace {

const FieldDecl kFieldPlaces[] = {
    // field   left top width  caption
    {"esp",    146, 68, 79,    "Label2"},
    {"rec",    176, 94, 49,    "Label3"},
    {"fsbo",   152, 120, 73,   "Label4"},
    {"lf",     152, 146, 73,   "Label5"},
    {"rqfs",   152, 172, 73,   "Label6"},
    {"cmb",    144, 198, 81,   "Label7"},
    {"omhe",   144, 224, 81,   "Label21"},
};

const LabelDecl kLabels[] = {
    caption("Label2", 6, 72, "Estimated selling price",
            "Must be numeric and greater than 0. Do not include decimal point"),
    caption("Label3", 6, 98, "Agent's commision percent", "Can include decimal point. Do not include percent sign"),
    caption("Label4", 6, 124, "For sale by owner costs", "enter 0 if not applicable"),
    caption("Label5", 6, 150, "Legal or other fees", "enter 0 if not applicable"),
    caption("Label6", 6, 176, "Required for sale costs", "fixes requested by buyer. enter 0 if not applicable"),
    caption("Label7", 6, 202, "1st mortgage balance", "payoff amount on first mortgage on property"),
    caption("Label21", 6, 228, "Home eq. / 2nd mtg?", "total balance of all remaining loans against the property"),

    caption("Label8", 232, 72, "Estimated selling price:"),
    caption("Label9", 249, 98, "Realtor commission:"),
    caption("Label10", 261, 124, "Payoffs and costs:"),
    highlighted("Label15", 273, 150, "Net from sale:"),
    result("oesp", 378, 72, "Label8"),
    result("comm", 378, 98, "Label9"),
    result("poc", 378, 124, "Label10"),
    result("net", 378, 150, "Label15", Bold),
};

}  // namespace

const ScreenLayout kSellingLayout = {
    .screen = selling::kScreen,
    .formName = "SellingForm",
    .caption = "QM Selling",
    .bannerName = "Selling",
    .clientWidth = 640,
    .clientHeight = 413,
    .bands = {.banner = "Panel1", .picture = "Panel2", .buttonBar = "BottomPanel"},
    .buttonOrder = ButtonTabOrder::MainMenuThenPrint,
    .fields = kFieldPlaces,
    .labels = kLabels,
    .panels = {},
    .helpNote = selling::kHelpNote,
};

TSellingForm::TSellingForm(QWidget* parent) : TCalcForm(kSellingLayout, parent) {}

void TSellingForm::CalculateButtonClick() { applyOutcome(selling::SellingCalculation(fieldTexts(), regional())); }

}  // namespace qm
