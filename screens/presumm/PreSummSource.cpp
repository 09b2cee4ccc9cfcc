#include "screens/presumm/PreSummSource.h"

#include "screens/presumm/presumm.h"

namespace qm {

namespace {

const FieldDecl kFieldPlaces[] = {
    // field     left top  width  caption
    {"LnBal",    104, 68,  121,   "Label2"},
    {"AnnRte",   104, 94,  121,   "Label3"},
    {"Trm",      104, 120, 121,   "Label4"},
    {"LnStMm",   104, 146, 33,    "Label5"},
    {"LnStCcyy", 184, 146, 41,    "Year"},
    {"PreAmt",   104, 172, 121,   "Label6"},
    {"PreNbr",   168, 198, 57,    "Label7"},
};

const LabelDecl kLabels[] = {
    caption("Label2", 16, 72, "Loan Amount:", "Must be numeric; can include decimal point"),
    caption("Label3", 18, 98, "Interest Rate:", "Must be numeric and greater than 0; can include decimal point"),
    // Two blanks after the semicolon, as the hint has always read.
    caption("Label4", 16, 124, "Term (years):", "Must be numeric and greater than 0;  decimal point NOT allowed"),
    caption("Label5", 5, 150, "Loan start (mth):", "Starting month of loan must be between 1 and 12, NO decimal point"),
    caption("Year", 142, 150, "(ccyy):", "Starting year of loan must be numeric and include the century"),
    caption("Label6", 24, 176, "Prepay Amt:", "Must be numeric; can be zero or include decimal point"),
    caption("Label7", 16, 202, "Start prepaying at pmt #:", "Which payment to start prepayments with; must be numeric"),

    caption("Label8", 232, 78, "Monthly payment (PI):"),
    caption("Label9", 265, 102, "New Monthly PI:"),
    caption("Label10", 243, 126, "Interest, no prepay:"),
    caption("Label14", 235, 150, "Interest, with prepay:"),
    highlighted("Label15", 254, 174, "Interest saved:"),
    caption("Label16", 242, 198, "Time saved (mths):"),
    caption("Label18", 241, 222, "New term (months):"),
    highlighted("Label19", 254, 246, "New end date:"),
    caption("Label20", 242, 272, "Rate of Return (%):"),

    result("MthPay", 368, 78, "Label8"),
    result("NmthPay", 368, 102, "Label9"),
    result("IntNoPay", 368, 126, "Label10"),
    result("IntWthPay", 368, 150, "Label14"),
    result("IntSaved", 368, 174, "Label15", Bold),
    result("TimeSaved", 368, 198, "Label16"),
    result("NewTerm", 368, 222, "Label18"),
    // The month name ends at 441 whatever its length, just left of the year
    // at 450: the pair reads "January, 2019".
    result("NewMm", 441, 246, "Label19", Bold | RightAligned),
    result("NewCcyy", 450, 246, "Label19", Bold),
    result("RateRet", 368, 272, "Label20"),
};

}  // namespace

const ScreenLayout kPreSummLayout = {
    .screen = presumm::kScreen,
    .formName = "PreSummForm",
    .caption = "QM Prepay Summary",
    .bannerName = "Prepay Summary",
    .clientWidth = 632,
    .clientHeight = 413,
    .bands = {.banner = "Panel1", .picture = "Panel2", .buttonBar = "bottompanel"},
    .buttonOrder = ButtonTabOrder::MainMenuThenPrint,
    .fields = kFieldPlaces,
    .labels = kLabels,
    .panels = {},
    .helpNote = presumm::kHelpNote,
};

TPreSummForm::TPreSummForm(QWidget* parent) : TCalcForm(kPreSummLayout, parent) {}

void TPreSummForm::CalculateButtonClick()
{
    applyOutcome(presumm::PrepaySummaryCalculation(fieldTexts(), regional()));
}

}  // namespace qm
