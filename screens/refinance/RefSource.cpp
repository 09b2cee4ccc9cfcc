#include "screens/refinance/RefSource.h"

#include "screens/refinance/refinance.h"

namespace qm {

namespace {

// Rows 26 pixels apart: fields from 56, their captions 4 pixels lower.
constexpr int fieldRow(int n) { return 56 + 26 * (n - 1); }
constexpr int row(int n) { return fieldRow(n) + 4; }

// Left column: captions at 6; right column: captions at 254, fields clear of
// the picture panel (503).
const FieldDecl kFieldPlaces[] = {
    // field    left  top           width  caption
    {"cmb",     150, fieldRow(1),  72,    "Label1"},
    {"crt",     80,  fieldRow(2),  50,    "Label2"},
    {"term",    194, fieldRow(2),  28,    "Label3"},
    {"Eapp",    150, fieldRow(3),  72,    "Label4"},
    {"coper",   186, fieldRow(4),  36,    "Label5"},
    {"ncoper",  186, fieldRow(5),  36,    "Label6"},
    {"cpi",     172, fieldRow(8),  50,    "Label9"},
    {"cti",     172, fieldRow(9),  50,    "Label10"},
    {"cmip",    172, fieldRow(10), 50,    "Label11"},
    {"mhe",     172, fieldRow(11), 50,    "Label12"},
    {"lar",     400, fieldRow(1),  72,    "Label14"},
    {"nrt",     312, fieldRow(2),  50,    "Label15"},
    {"ntrm",    436, fieldRow(2),  28,    "Label16"},
    {"pts",     280, fieldRow(3),  64,    "Label17"},
    {"cce",     440, fieldRow(3),  58,    "Label18"},
    {"ccind",   452, fieldRow(4),  36,    "Label19"},
    {"coli",    452, fieldRow(5),  24,    "Label20"},
};

// The results panel's rows, in its own coordinates.
constexpr int panelRow(int n) { return 12 + 26 * (n - 1); }

const LabelDecl kLabels[] = {
    caption("Label1", 6, row(1), "Total Mortgage Payoff", "include all mortgages and home equities against property"),
    caption("Label2", 6, row(2), "Current rate", "Must be greater than 0. Can include decimal"),
    caption("Label3", 160, row(2), "Term", "Term in years. Must be greater than 0"),
    caption("Label4", 6, row(3), "Estimated Appraisal", "Estimated value of current home"),
    caption("Label5", 6, row(4), "% of loan allowed for cashout",
            "Percentage of appraised value allowed in a cashout loan. Usually 75"),
    caption("Label6", 6, row(5), "% of loan allowed, no cashout",
            "Percentage of appraised value allowed in non-cashout loan. Usually 80"),
    caption("Label7", 6, row(6), "Cashout loan limit:",
            "Cashout limit calculated using the above percentage and appraised value"),
    caption("Label8", 6, row(7), "No cashout loan lim:",
            "No-cashout loan limit calculated using the above percentage and appraised value"),
    caption("Label9", 6, row(8), "Current Monthly PI", "Current monthly principal and interest"),
    caption("Label10", 6, row(9), "Current taxes and fire ins.", "Current monthly taxes and fire insurance premiums"),
    caption("Label11", 6, row(10), "Current MIP (if applicable)",
            "Current mortgage insurance premium. Usually on original loans that had less than 20% down"),
    caption("Label12", 6, row(11), "Mthly home eq. payments", "Total of monthly home equity loan payments"),
    caption("Label13", 6, row(12), "Old PITI + HE pmts:", "Total of current PITI + all home equity payments"),
    caption("Label14", 254, row(1), "Loan amount requested",
            "Loan amount requested before points and closing costs may be added"),
    caption("Label15", 254, row(2), "New rate", "New interest rate. Must be greater than 0"),
    caption("Label16", 372, row(2), "New Term", "New term in years. Must be greater than 0"),
    caption("Label17", 254, row(3), "Pts", "Points on new loan. Can be 0 or include decimal"),
    caption("Label18", 354, row(3), "Closing Costs", "closing cost estimate"),
    caption("Label19", 254, row(4), "Include Pts and CC in loan? (y/n)", "answering Y makes this a cashout loan"),
    caption("Label20", 254, row(5), "Is this a cashout loan? (y/n)",
            "answer Y if money will be taken at closing or if points and closing costs will be included in loan"),
    result("cola", 130, row(6), "Label7", Bold),
    result("ncola", 130, row(7), "Label8", Bold),
    result("pitihe", 130, row(12), "Label13", Bold),

    inPanel("Panel1", captionEndingAt("Label21", 54, panelRow(1), "New PI:", "Refinanced principal and interest")),
    inPanel("Panel1", result("npi", 60, panelRow(1), "Label21", Bold)),
    inPanel("Panel1", captionEndingAt("Label22", 262, panelRow(1), "New mortgage:",
                                      "May differ from requested loan amount if points and closing costs are "
                                      "included")),
    inPanel("Panel1", result("nma", 268, panelRow(1), "Label22", Bold)),
    inPanel("Panel1", captionEndingAt("Label23", 54, panelRow(2), "New TI:", "Refinanced taxes and insurance")),
    inPanel("Panel1", result("nti", 60, panelRow(2), "Label23", Bold)),
    inPanel("Panel1", captionEndingAt("Label24", 262, panelRow(2), "New PITI:",
                                      "New PITI. Compare with Old PITI in left column to see monthly savings")),
    inPanel("Panel1", result("npiti", 268, panelRow(2), "Label24", Bold)),
    inPanel("Panel1", captionEndingAt("Label25", 170, panelRow(3), "Points + closing costs:",
                                      "calculated points + closing cost estimate")),
    inPanel("Panel1", result("tcc", 176, panelRow(3), "Label25", Bold)),
    inPanel("Panel1", result("tccmsg", 268, panelRow(3), nullptr, Bold)),
    inPanel("Panel1", captionEndingAt("Label26", 170, panelRow(4), "Required to payoff original:",
                                      "Money required from customer if requested loan amount is less than the "
                                      "mortgage payoff. This is normally always 0")),
    inPanel("Panel1", result("payoff", 176, panelRow(4), "Label26", Bold)),
    inPanel("Panel1", captionEndingAt("Label27", 170, panelRow(5), "Cashout amount?:",
                                      "Actual cash to homeowner at closing (beyond points and closing costs, which "
                                      "may be included in loan) ")),
    inPanel("Panel1", result("cash", 176, panelRow(5), "Label27", Bold)),
    inPanel("Panel1", result("comsg", 268, panelRow(5), nullptr, Bold)),
    inPanel("Panel1", captionEndingAt("Label28", 207, panelRow(6), "Months to recover refinance costs:",
                                      "Only displayed if the old PITI is greater than the new PITI")),
    inPanel("Panel1", result("mtr", 214, panelRow(6), "Label28", Bold)),
};

const PanelDecl kPanels[] = {{"Panel1", 242, 190, 385, 179}};

}  // namespace

const ScreenLayout kRefinanceLayout = {
    .screen = refinance::kScreen,
    .formName = "RefForm",
    .caption = "QM Refinance",
    .bannerName = "Refinance",
    .clientWidth = 632,
    .clientHeight = 413,
    .bands = {.banner = "toppanel", .picture = "Panel2", .buttonBar = "BottomPanel"},
    .buttonOrder = ButtonTabOrder::PrintThenMainMenu,
    .fields = kFieldPlaces,
    .labels = kLabels,
    .panels = kPanels,
    .helpNote = refinance::kHelpNote,
};

TRefForm::TRefForm(QWidget* parent) : TCalcForm(kRefinanceLayout, parent) {}

void TRefForm::CalculateButtonClick() { applyOutcome(refinance::RefinanceCalculation(fieldTexts(), regional())); }

}  // namespace qm
