#include "screens/qualify/QualifySource.h"

#include "screens/qualify/qualify.h"

namespace qm {

namespace {

// Rows 26 pixels apart: captions at 60 + 26 (row - 1), fields 4 pixels higher.
constexpr int row(int n) { return 60 + 26 * (n - 1); }
constexpr int fieldRow(int n) { return row(n) - 4; }

// The left half: captions at 6, fields ending at 225.
const FieldDecl kFieldPlaces[] = {
    // field    left  top           width  caption
    {"MG",      161, fieldRow(1),  64,    "Label1"},
    {"MID",     169, fieldRow(2),  56,    "Label2"},
    {"MDR",     124, fieldRow(3),  28,    "Label3"},
    {"TDR",     197, fieldRow(3),  28,    "Label4"},
    {"AT",      169, fieldRow(4),  56,    "Label5"},
    {"Mills",   56,  fieldRow(6),  36,    "Label7"},
    {"AF",      197, fieldRow(6),  28,    "Label8"},
    {"Rate",    82,  fieldRow(7),  56,    "Label9"},
    {"Pts",     189, fieldRow(7),  36,    "Label10"},
    {"termyy",  197, fieldRow(8),  28,    "Label11"},
    {"CCE",     169, fieldRow(9),  56,    "Label12"},
    {"CCI",     201, fieldRow(11), 24,    "Label13 Label14"},
    {"DP",      197, fieldRow(12), 28,    "Label15"},
};

// The right half: captions ending at 385, results from 392.
constexpr int kCaptionsEnd = 385;
constexpr int kResults = 392;

const LabelDecl kLabels[] = {
    caption("Label1", 6, row(1), "Monthly Gross Income", "Monthly gross income from all sources"),
    caption("Label2", 6, row(2), "Monthly Installment debt", "installment payments with 6 or more months to go"),
    caption("Label3", 6, row(3), "Debt Ratios:     Mtg",
            "Mortgage debt and total debt limit ratios, usually 33 and 38"),
    caption("Label4", 165, row(3), "Total"),
    caption("Label5", 6, row(4), "Annual taxes, if known", "enter 0 if property is not known"),
    note("Label6", 6, row(5), "if tax unknown, estimate the following:",
         "defaults are 100 millage points and 25 percent assessment factor"),
    caption("Label7", 6, row(6), "Millage", "estimated millage of school, local and county taxes. Default is 100"),
    caption("Label8", 140, row(6), "Assmt %",
            "Assessed value as a fraction of appraised value. Default is 25 (don't enter percent sign)"),
    caption("Label9", 6, row(7), "Interest rate", "interest rate of loan. can include decimal. can not be 0"),
    caption("Label10", 150, row(7), "Points", "can include decimal. can be 0"),
    caption("Label11", 6, row(8), "Loan Term (years)", "term must be greater than 0 and no more than 50 years"),
    caption("Label12", 6, row(9), "Closing cost estimate", "estimate should not include points"),
    caption("Label13", 6, row(10), "Include closing cost estimate and"),
    caption("Label14", 6, row(11), "points in loan amount? (y/n)", "Y or N must be entered"),
    caption("Label15", 6, row(12), "Downpayment percentage", "can be 0. do not include percent sign"),

    captionEndingAt("Label16", kCaptionsEnd, row(1), "Mortgage debt limit:"),
    captionEndingAt("Label17", kCaptionsEnd, row(2), "Total debt limit:"),
    captionEndingAt("Label18", kCaptionsEnd, row(3), "Mortgage debt available:"),
    captionEndingAt("Label20", kCaptionsEnd, row(4), "Monthly PI (est):"),
    captionEndingAt("Label21", kCaptionsEnd, row(5), "Monthly Taxes (est):"),
    captionEndingAt("Label22", kCaptionsEnd, row(6), "Monthly Fire Ins. (est):"),
    captionEndingAt("Label23", kCaptionsEnd, row(7), "Monthly MIP (est):"),
    highlightedEndingAt("Label19", kCaptionsEnd, row(8), "House price:"),
    captionEndingAt("Label24", kCaptionsEnd, row(9), "Downpayment:"),
    captionEndingAt("Label25", kCaptionsEnd, row(10), "Points + closing costs:"),
    captionEndingAt("Label26", kCaptionsEnd, row(11), "Mortgage amount:"),
    note("Label27", 474, row(6), "est. at .0022 of home price"),
    note("Label28", 474, row(7), "est. at .0018 of home price"),

    result("mdl", kResults, row(1), "Label16"),
    result("tdl", kResults, row(2), "Label17"),
    result("mda", kResults, row(3), "Label18"),
    result("mdaind", 488, row(3), nullptr, Bold),
    result("mpi", kResults, row(4), "Label20"),
    result("mt", kResults, row(5), "Label21"),
    result("mfi", kResults, row(6), "Label22"),
    result("mip", kResults, row(7), "Label23"),
    result("hp", kResults, row(8), "Label19", Bold),
    result("dpo", kResults, row(9), "Label24"),
    result("dpmsg", 510, row(9), nullptr),
    result("cceo", kResults, row(10), "Label25"),
    result("ccmsg", 510, row(10), nullptr),
    result("ma", kResults, row(11), "Label26"),
    result("mdamsg", 274, row(12), nullptr, Bold),
};

}  // namespace

const ScreenLayout kQualifyLayout = {
    .screen = qualify::kScreen,
    .formName = "QualifyForm",
    .caption = "QM Qualify",
    .bannerName = "Qualify",
    .clientWidth = 632,
    .clientHeight = 413,
    .bands = {.banner = "Panel1", .picture = "Panel2", .buttonBar = "bottompanel"},
    .buttonOrder = ButtonTabOrder::MainMenuThenPrint,
    .fields = kFieldPlaces,
    .labels = kLabels,
    .panels = {},
    .helpNote = qualify::kHelpNote,
};

TQualifyForm::TQualifyForm(QWidget* parent) : TCalcForm(kQualifyLayout, parent) {}

void TQualifyForm::CalculateButtonClick() { applyOutcome(qualify::QualifyCalculation(fieldTexts(), regional())); }

}  // namespace qm
