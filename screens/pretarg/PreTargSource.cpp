#include "screens/pretarg/PreTargSource.h"

#include "screens/pretarg/pretarg.h"

namespace qm {

namespace {

// Input rows 25 pixels apart: fields from 60, their captions 4 pixels lower.
constexpr int fieldRow(int n) { return 60 + 25 * (n - 1); }
constexpr int row(int n) { return fieldRow(n) + 4; }

const FieldDecl kFieldPlaces[] = {
    // field     left top          width  caption
    {"LnBal",    104, fieldRow(1), 121,   "Label1"},
    {"AnnRte",   104, fieldRow(2), 121,   "Label2"},
    {"Trm",      104, fieldRow(3), 121,   "Label3"},
    {"LnStMm",   104, fieldRow(4), 33,    "Label4"},
    {"LnStCcyy", 184, fieldRow(4), 41,    "Label5"},
    {"Targmm",   104, fieldRow(5), 33,    "Label7"},
    {"Targccyy", 184, fieldRow(5), 41,    "Label8"},
    {"PreNbr",   160, fieldRow(6), 65,    "Label6"},
};

// Results 24 pixels apart from 70, values at 368, captions ending just left.
constexpr int resultRow(int n) { return 70 + 24 * (n - 1); }
constexpr int kValues = 368;
constexpr int kCaptionsEnd = 362;

const LabelDecl kLabels[] = {
    caption("Label1", 6, row(1), "Loan Amount:", "Loan amount must be greater than 0, can include decimal point"),
    caption("Label2", 6, row(2), "Interest Rate:", "Interest rate must be greater than 0, can include decimal"),
    caption("Label3", 6, row(3), "Term (years):", "Term must be greater than 0, can NOT include decimal"),
    caption("Label4", 6, row(4), "Loan start (mth):",
            "Loan start month must be between 1 and 12, can NOT include decimal"),
    caption("Label5", 142, row(4), "(ccyy):",
            "Loan start century and year must be greater than 0, can NOT include decimal"),
    highlighted("Label7", 6, row(5), "Target month:",
                "Target month must be between 1 and 12, can NOT include decimal"),
    highlighted("Label8", 140, row(5), "(ccyy):",
                "Target century and year must be greater than 0, can NOT include decimal"),
    caption("Label6", 6, row(6), "Start prepaying at pmt #:",
            "Payment number to start prepayment on can NOT include decimal"),

    captionEndingAt("Label9", kCaptionsEnd, resultRow(1), "Monthly payment (PI):"),
    captionEndingAt("Label10", kCaptionsEnd, resultRow(2), "Interest, no prepay:"),
    captionEndingAt("Label14", kCaptionsEnd, resultRow(3), "Interest, with prepay:"),
    highlightedEndingAt("Label15", kCaptionsEnd, resultRow(4), "Interest saved:"),
    captionEndingAt("Label16", kCaptionsEnd, resultRow(5), "Time saved (mths):"),
    captionEndingAt("Label18", kCaptionsEnd, resultRow(6), "New term (months):"),
    highlightedEndingAt("Label19", kCaptionsEnd, resultRow(7), "Prepayment required:"),
    captionEndingAt("Label17", kCaptionsEnd, resultRow(8), "New Monthly PI:"),
    captionEndingAt("Label20", kCaptionsEnd, resultRow(9), "Rate of Return (%):"),

    result("MthPay", kValues, resultRow(1), "Label9"),
    result("IntNoPay", kValues, resultRow(2), "Label10"),
    result("IntWthPay", kValues, resultRow(3), "Label14"),
    result("IntSaved", kValues, resultRow(4), "Label15", Bold),
    result("TimeSaved", kValues, resultRow(5), "Label16"),
    result("NewTerm", kValues, resultRow(6), "Label18"),
    result("PreReq", kValues, resultRow(7), "Label19", Bold),
    result("NmthPay", kValues, resultRow(8), "Label17"),
    result("RateRet", kValues, resultRow(9), "Label20"),
};

}  // namespace

const ScreenLayout kPreTargLayout = {
    .screen = pretarg::kScreen,
    .formName = "PreTargForm",
    .caption = "QM Prepay Target",
    .bannerName = "Prepay Target",
    .clientWidth = 632,
    .clientHeight = 413,
    .bands = {.banner = "Panel1", .picture = "Panel2", .buttonBar = "bottompanel"},
    .buttonOrder = ButtonTabOrder::MainMenuThenPrint,
    .fields = kFieldPlaces,
    .labels = kLabels,
    .panels = {},
    .helpNote = pretarg::kHelpNote,
};

TPreTargForm::TPreTargForm(QWidget* parent) : TCalcForm(kPreTargLayout, parent) {}

void TPreTargForm::CalculateButtonClick()
{
    applyOutcome(pretarg::PrepayTargetCalculation(fieldTexts(), regional()));
}

}  // namespace qm
