// The Qualify calculation and its affordability search.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/core/format.h"
#include "loan/formulas.h"
#include "screen_cases.h"
#include "screens/qualify/affordability.h"
#include "screens/qualify/qualify.h"

namespace qm::qualify {
namespace {

struct Case {
    const char* name;
    Overrides in;
    std::vector<Write> out;
    std::optional<FinalEvent> msg;
};

const RegionalSettings kUs = RegionalSettings::unitedStates();

Outcome run(const Overrides& in) { return QualifyCalculation(textsWith(kFields, in), kUs); }

// The three limits, then (unless the amount available is negative) the
// indicator: a blank in both labels, and the mark over it when it applies.
std::vector<Write> limits(const char* mdl, const char* tdl, const char* mda)
{
    return {{"mdl", mdl}, {"tdl", tdl}, {"mda", mda}};
}

std::vector<Write> indicated(std::vector<Write> writes, bool mark)
{
    writes.push_back({"mdaind", " "});
    writes.push_back({"mdamsg", " "});
    if (mark) {
        writes.push_back({"mdaind", "**"});
        writes.push_back({"mdamsg", "**More than Mtg debt limit but within Ttl debt limit"});
    }
    return writes;
}

struct Loan {
    const char *mpi, *mt, *mfi, *mip, *hp, *dpo, *ma, *ccmsg, *cceo, *dpmsg;
};

// A complete Calculate: all fifteen labels, in the order they are written.
std::vector<Write> complete(const char* mdl, const char* tdl, const char* mda, bool mark, const Loan& l)
{
    std::vector<Write> w = indicated(limits(mdl, tdl, mda), mark);
    const std::vector<Write> rest = {{"mpi", l.mpi}, {"mt", l.mt},   {"mfi", l.mfi},     {"mip", l.mip},
                                     {"hp", l.hp},   {"dpo", l.dpo}, {"ma", l.ma},       {"ccmsg", l.ccmsg},
                                     {"cceo", l.cceo}, {"dpmsg", l.dpmsg}};
    w.insert(w.end(), rest.begin(), rest.end());
    return w;
}

std::vector<Write> standard(bool mark, const Loan& l)
{
    return complete("$1,320.00", "$1,520.00", "$1,320.00", mark, l);
}

const Loan kDefaultLoan = {"$991.90",     "$282.90",       "$24.89",         "$20.37",    "$135,790.33",
                           "$6,789.52",   "$129,000.81",   "due at closing", "$5,725.02", "due at closing"};
const std::vector<Write> kDefaults = standard(false, kDefaultLoan);

// The screen's texts, as it shows them.
const FinalEvent kInput = FinalEvent::warning(
    "Please check your input. All fields must be numeric. Only the interest rate and points can include a "
    "decimal. Do not include a percent sign with assessment factor, downpayment, or debt ratio fields.");
const FinalEvent kNoFundsMsg = FinalEvent::warning("No funds available for mortgage");
const FinalEvent kGross = FinalEvent::warning("Monthly gross must be greater than zero");
const FinalEvent kMortgageRatio = FinalEvent::warning("Mortgage debt ratio must be greater than zero");
const FinalEvent kTotalRatio = FinalEvent::warning("Total debt ratio must be greater than zero");
const FinalEvent kTaxGiven = FinalEvent::warning(
    "Annual tax must be zero if millage and assessment percentage are entered");
const FinalEvent kTaxEstimate = FinalEvent::warning(
    "Millage and assessment percentage must both be entered if annual tax is not");
const FinalEvent kRate = FinalEvent::warning("Interest rate must be greater than 0");
const FinalEvent kTerm = FinalEvent::warning("Term must be greater than 0");
const FinalEvent kTermLimit = FinalEvent::warning("Term limit is 50 years");
const FinalEvent kInclude = FinalEvent::warning("Closing cost indicator must by Y or N");
const FinalEvent kRateLimit = FinalEvent::warning("Interest Rate limit is 50 percent");
const FinalEvent kPointsLimit = FinalEvent::warning("Points limit is 21 points");
const FinalEvent kNoFitMsg = FinalEvent::warning(
    "No mortgage amount fits: the monthly cost does not rise enough with the loan amount. Check millage, "
    "assessment and points");

// The defaults, CCI y, MID 1520 and MID 2000 rows are the documented figures
// in full; the other rows carry the documented figures (hp and ma for MID 0,
// mt, mip, hp, dpo and ma for AT 3000, the MIP for DP 0, 19 and 20) and take
// the rest from an independent model of the same rules in x87 extended
// arithmetic (Python and numpy's long double). All with US settings.
const Case kComputed[] = {
    {"defaults", {}, kDefaults, std::nullopt},
    {"costs included in the loan",
     {{"CCI", "y"}},
     standard(false, {"$1,002.67", "$273.64", "$24.08", "$19.70", "$131,348.22", "$6,567.41", "$130,400.33",
                      "included in loan", "$5,619.52", "due at closing"}),
     std::nullopt},
    {"no installment debt: available above the mortgage limit, marked",
     {{"MID", "0"}},
     complete("$1,320.00", "$1,520.00", "$1,520.00", true,
              {"$1,142.16", "$325.75", "$28.67", "$23.45", "$156,359.51", "$7,817.98", "$148,541.54", "due at closing",
               "$6,213.54", "due at closing"}),
     std::nullopt},
    {"equal limits: no mark",
     {{"MDR", "38"}, {"MID", "0"}},
     complete("$1,520.00", "$1,520.00", "$1,520.00", false,
              {"$1,142.16", "$325.75", "$28.67", "$23.45", "$156,359.51", "$7,817.98", "$148,541.54", "due at closing",
               "$6,213.54", "due at closing"}),
     std::nullopt},
    {"one cent over the mortgage limit is marked",
     {{"MG", "1"}, {"MDR", "34"}, {"TDR", "35"}, {"MID", "0"}},
     complete("$0.34", "$0.35", "$0.35", true,
              {"$0.27", "$0.08", "$0.01", "$0.01", "$37.39", "$1.87", "$35.52", "due at closing", "$2,500.89",
               "due at closing"}),
     std::nullopt},
    {"given annual tax with 20 percent down",
     {{"AT", "3000"}, {"Mills", "0"}, {"AF", "0"}, {"DP", "20"}},
     standard(false, {"$1,039.04", "$250.00", "$30.97", "$0.00", "$168,913.51", "$33,782.70", "$135,130.81",
                      "due at closing", "$5,878.27", "due at closing"}),
     std::nullopt},
    {"a given tax of 1 with millage and assessment at 0 passes",
     {{"AT", "1"}, {"Mills", "0"}, {"AF", "0"}},
     standard(false, {"$1,262.33", "$0.08", "$31.68", "$25.92", "$172,811.38", "$8,640.57", "$164,170.81",
                      "due at closing", "$6,604.27", "due at closing"}),
     std::nullopt},
    {"a negative annual tax is estimated like 0", {{"AT", "-5"}}, kDefaults, std::nullopt},
    {"no downpayment: house price equals the loan",
     {{"DP", "0"}},
     standard(false, {"$1,004.36", "$272.13", "$23.95", "$19.59", "$130,620.81", "$0.00", "$130,620.81",
                      "due at closing", "$5,765.52", "no downpayment"}),
     std::nullopt},
    {"19 percent down still pays MIP",
     {{"DP", "19"}},
     standard(false, {"$951.00", "$318.11", "$27.99", "$22.90", "$152,692.36", "$29,011.55", "$123,680.81",
                      "due at closing", "$5,592.02", "due at closing"}),
     std::nullopt},
    {"20 percent down pays no MIP",
     {{"DP", "20"}},
     standard(false, {"$964.61", "$326.69", "$28.75", "$0.00", "$156,813.51", "$31,362.70", "$125,450.81",
                      "due at closing", "$5,636.27", "due at closing"}),
     std::nullopt},
    {"nothing available: one trial of zeros",
     {{"MID", "1520"}},
     complete("$1,320.00", "$1,520.00", "$0.00", false,
              {"$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "due at closing", "$2,500.00",
               "due at closing"}),
     std::nullopt},
    {"nothing available with costs included: the search goes below 0",
     {{"MID", "1520"}, {"CCI", "y"}},
     complete("$1,320.00", "$1,520.00", "$0.00", false,
              {"$4.72", "($4.04)", "($0.36)", "($0.29)", "($1,936.84)", "($96.84)", "$614.00", "included in loan",
               "$2,454.00", "due at closing"}),
     std::nullopt},
    {"negative amount available", {{"MID", "2000"}}, limits("$1,320.00", "$1,520.00", "($480.00)"),
     kNoFundsMsg},
    {"term of 50 years passes",
     {{"termyy", "50"}},
     standard(false, {"$975.00", "$297.49", "$26.18", "$21.42", "$142,794.35", "$7,139.72", "$135,654.64",
                      "due at closing", "$5,891.37", "due at closing"}),
     std::nullopt},
    {"rate of 50 passes",
     {{"Rate", "50"}},
     standard(false, {"$1,244.17", "$65.48", "$5.76", "$4.71", "$31,431.57", "$1,571.58", "$29,859.99",
                      "due at closing", "$3,246.50", "due at closing"}),
     std::nullopt},
    {"20 points pass",
     {{"Pts", "20"}},
     standard(false, {"$991.90", "$282.90", "$24.89", "$20.37", "$135,790.33", "$6,789.52", "$129,000.81",
                      "due at closing", "$28,300.16", "due at closing"}),
     std::nullopt},
    {"rate so small that 1 + i is 1: fault before any write", {{"Rate", "1e-20"}}, {},
     FinalEvent::arithmetic(FaultKind::DivisionByZero)},
};

TEST(QualifyCalculation, WritesAndMessages)
{
    for (const auto& c : kComputed) {
        SCOPED_TRACE(c.name);
        const Outcome got = run(c.in);
        EXPECT_EQ(got.writes, c.out);
        EXPECT_EQ(got.message, c.msg);
    }
}

// Conversions and checks write nothing; the first problem in the fixed order wins.
const Case kRefused[] = {
    {"decimal income", {{"MG", "4000.5"}}, {}, kInput},
    {"empty income", {{"MG", ""}}, {}, kInput},
    {"percent sign in a ratio", {{"MDR", "33%"}}, {}, kInput},
    {"conversion before the checks", {{"MG", "0"}, {"DP", "x"}}, {}, kInput},
    {"longer than MaxLength", {{"MG", "10000000"}}, {}, kInput},
    {"leading zeros within MaxLength", {{"MG", "0004000"}}, kDefaults, std::nullopt},
    {"100 percent down cannot be typed", {{"DP", "100"}}, {}, kInput},
    {"millage of -100 does not fit", {{"Mills", "-100"}}, {}, kInput},

    {"income 0", {{"MG", "0"}}, {}, kGross},
    {"income negative", {{"MG", "-1"}}, {}, kGross},
    {"income 0 comes before rate 0", {{"MG", "0"}, {"Rate", "0"}}, {}, kGross},
    {"mortgage ratio 0", {{"MDR", "0"}}, {}, kMortgageRatio},
    {"total ratio negative", {{"TDR", "-1"}}, {}, kTotalRatio},
    {"tax with default millage", {{"AT", "3000"}}, {}, kTaxGiven},
    {"tax with assessment only", {{"AT", "1"}, {"Mills", "0"}}, {}, kTaxGiven},
    {"no tax and no millage", {{"Mills", "0"}}, {}, kTaxEstimate},
    {"no tax and no assessment", {{"AF", "0"}}, {}, kTaxEstimate},
    {"rate 0", {{"Rate", "0"}}, {}, kRate},
    {"rate 0 comes before term and CCI", {{"Rate", "0"}, {"termyy", "51"}, {"CCI", "Y"}}, {}, kRate},
    {"term 0", {{"termyy", "0"}}, {}, kTerm},
    {"term negative", {{"termyy", "-5"}}, {}, kTerm},
    {"term 51", {{"termyy", "51"}}, {}, kTermLimit},
    {"term comes before CCI", {{"termyy", "51"}, {"CCI", "Y"}}, {}, kTermLimit},
    {"capital Y", {{"CCI", "Y"}}, {}, kInclude},
    {"empty CCI", {{"CCI", ""}}, {}, kInclude},
    {"CCI comes before the rate limit", {{"CCI", "N"}, {"Rate", "51"}}, {}, kInclude},
    {"rate 50.1", {{"Rate", "50.1"}}, {}, kRateLimit},
    {"rate just above 50", {{"Rate", "50.001"}}, {}, kRateLimit},
    {"rate limit comes before points", {{"Rate", "51"}, {"Pts", "21"}}, {}, kRateLimit},
    {"20.1 points", {{"Pts", "20.1"}}, {}, kPointsLimit},
};

TEST(QualifyCalculation, RefusedInputsWriteNothing)
{
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.name);
        const Outcome got = run(c.in);
        EXPECT_EQ(got.writes, c.out);
        EXPECT_EQ(got.message, c.msg);
    }
}

TEST(QualifyCalculation, HelpNoteAsTheScreenShowsIt)
{
    EXPECT_STREQ(kHelpNote,
                 "All fields must be numeric! Interest Rate and Points can include a decimal if needed. Do not use "
                 "percent signs for debt ratios, assessment factor, interest rate or downpayment. If annual taxes are "
                 "entered, put zeros in millage and assessment factor. If annual taxes are not entered, estimate "
                 "millage and assessment or use the default values of 100 mills and 25 percent assessment factor. "
                 "Common debt ratios are 29 and 33, or 33 and 38. Use the tab key or mouse to navigate.");
}

// The search where the monthly cost does not rise with the loan: it stops with
// a warning after the limits and the indicator.
const Case kNoFitCases[] = {
    {"negative millage: cost falls while stepping up",
     {{"Mills", "-99"}, {"AF", "99"}},
     indicated(limits("$1,320.00", "$1,520.00", "$1,320.00"), false), kNoFitMsg},
    {"points of -999 with costs included",
     {{"Pts", "-999"}, {"CCI", "y"}},
     indicated(limits("$1,320.00", "$1,520.00", "$1,320.00"), false), kNoFitMsg},
    {"points of -999 with nothing available: cost rises while stepping down",
     {{"Pts", "-999"}, {"CCI", "y"}, {"MID", "1520"}},
     indicated(limits("$1,320.00", "$1,520.00", "$0.00"), false), kNoFitMsg},
    {"a cost that rises too slowly runs into the trial bound",
     {{"MG", "9999999"}, {"MDR", "99"}, {"TDR", "99"}, {"MID", "0"}, {"AT", "3000"}, {"Mills", "0"}, {"AF", "0"},
      {"Rate", "50"}, {"Pts", "-100"}, {"CCI", "y"}, {"DP", "20"}},
     indicated(limits("$9,899,999.01", "$9,899,999.01", "$9,899,999.01"), false), kNoFitMsg},
};

TEST(QualifyCalculation, NoFittingAmount)
{
    for (const auto& c : kNoFitCases) {
        SCOPED_TRACE(c.name);
        const Outcome got = run(c.in);
        EXPECT_EQ(got.writes, c.out);
        EXPECT_EQ(got.message, c.msg);
    }
}

// ---- the search itself ----------------------------------------------------

// The screen's defaults, formed as the screen forms them.
SearchParams defaultSearch()
{
    SearchParams p{};
    p.available = fp::sub(fp::mul(4000, fp::mul(38, kOneHundredth)), 200);
    p.paymentPerThousand = PaymentPerThousand(MonthlyRate(fp::mul(8.5L, kOneHundredth)), 360);
    p.pointsFraction = fp::mul(2.5L, kOneHundredth);
    p.closingCosts = 2500;
    p.includeCosts = false;
    p.annualTax = 0;
    p.millageFraction = fp::mul(100, kOneThousandth);
    p.assessmentFraction = fp::mul(25, kOneHundredth);
    p.downpaymentPercent = 5;
    return p;
}

std::string money(Real v) { return CurrencyText(v, kUs); }

TEST(AffordabilitySearch, StepsDownThenUpToTheFirstAmountThatReaches)
{
    struct Row {
        const char* name;
        bool include;
        Count stepDowns, stepUps;
        const char* mortgage;
        const char* total;
    };
    // Documented trial counts and amounts for the defaults, with and without
    // the costs in the loan.
    const Row rows[] = {
        {"defaults", false, 22, 133, "$129,000.81", "$1,320.06"},
        {"costs included", true, 24, 111, "$130,400.33", "$1,320.09"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SearchParams p = defaultSearch();
        p.includeCosts = r.include;
        const SearchResult s = AffordabilitySearch(p);
        EXPECT_EQ(s.end, SearchEnd::Reached);
        EXPECT_EQ(s.stepDowns, r.stepDowns);
        EXPECT_EQ(s.stepUps, r.stepUps);
        EXPECT_EQ(s.trials(), 1 + r.stepDowns + r.stepUps);
        EXPECT_EQ(money(s.final.mortgage), r.mortgage);
        EXPECT_EQ(money(s.final.total), r.total);
        EXPECT_GE(s.final.total, p.available);
    }
}

TEST(AffordabilitySearch, DocumentedTrialsOfTheDefaults)
{
    const SearchParams p = defaultSearch();
    EXPECT_EQ(FixedText(p.paymentPerThousand, 13, 12, kUs), "7.689134835843");

    Trial t;
    const Real start = fp::mul(fp::div(p.available, p.paymentPerThousand), 1000);
    EXPECT_EQ(FixedText(start, 18, 9, kUs), "171670.809288809");
    EvaluateTrial(start, p, t);
    EXPECT_EQ(money(t.total), "$1,756.71");

    EvaluateTrial(fp::sub(start, 22 * 2000), p, t);
    EXPECT_EQ(money(t.mortgage), "$127,670.81");
    EXPECT_EQ(money(t.total), "$1,306.45");

    const SearchResult s = AffordabilitySearch(p);
    EvaluateTrial(fp::sub(s.final.mortgage, 10), p, t);  // the trial before the final one
    EXPECT_EQ(money(t.total), "$1,319.96");
    EXPECT_LT(t.total, p.available);

    EXPECT_EQ(money(s.final.pointsAndClosing), "$0.00");
    EXPECT_EQ(money(s.final.housePrice), "$135,790.33");
    EXPECT_EQ(money(s.final.principalInterest), "$991.90");
    EXPECT_EQ(money(s.final.taxes), "$282.90");
    EXPECT_EQ(money(s.final.fireInsurance), "$24.89");
    EXPECT_EQ(money(s.final.mortgageInsurance), "$20.37");
}

TEST(AffordabilitySearch, IncludedCostsComeFromTheBaseAmount)
{
    SearchParams p = defaultSearch();
    p.includeCosts = true;
    const SearchResult s = AffordabilitySearch(p);
    // Documented: 24 step-downs end at base 123,670.81 (total 1,308.52); the
    // final base is 124,780.81.
    Trial t;
    EvaluateTrial(fp::sub(fp::mul(fp::div(p.available, p.paymentPerThousand), 1000), 24 * 2000), p, t);
    EXPECT_EQ(money(fp::sub(t.mortgage, t.pointsAndClosing)), "$123,670.81");
    EXPECT_EQ(money(t.total), "$1,308.52");
    EXPECT_EQ(money(fp::sub(s.final.mortgage, s.final.pointsAndClosing)), "$124,780.81");
    EXPECT_EQ(money(s.final.pointsAndClosing), "$5,619.52");
    EXPECT_EQ(money(s.final.housePrice), "$131,348.22");
}

TEST(AffordabilitySearch, NothingAvailableIsOneTrial)
{
    SearchParams p = defaultSearch();
    p.available = 0;
    const SearchResult s = AffordabilitySearch(p);
    EXPECT_EQ(s.end, SearchEnd::Reached);
    EXPECT_EQ(s.trials(), 1);
    EXPECT_EQ(s.final.mortgage, 0);
    EXPECT_EQ(s.final.housePrice, 0);
    EXPECT_EQ(s.final.total, 0);
}

TEST(AffordabilitySearch, TrialPricesTheHouse)
{
    SearchParams p = defaultSearch();
    Trial t;

    p.downpaymentPercent = 0;
    EvaluateTrial(100000, p, t);
    EXPECT_EQ(t.housePrice, 100000);
    EXPECT_EQ(money(t.mortgageInsurance), "$15.00");  // 0.0018 of 100,000 a year

    p.downpaymentPercent = 20;
    EvaluateTrial(100000, p, t);
    EXPECT_EQ(money(t.housePrice), "$125,000.00");
    EXPECT_EQ(t.mortgageInsurance, 0);
    EXPECT_EQ(money(t.fireInsurance), "$22.92");  // 0.0022 of 125,000 a year
    EXPECT_EQ(money(t.taxes), "$260.42");         // 25% of 125,000 at 100 mills a year

    // A given tax is the same for every trial, whatever millage and assessment hold.
    p.annualTax = 3000;
    for (const Real base : {Real{0}, Real{50000}, Real{1e9L}}) {
        EvaluateTrial(base, p, t);
        EXPECT_EQ(money(t.taxes), "$250.00");
    }
}

TEST(AffordabilitySearch, StopsWhereTheCostDoesNotRise)
{
    struct Row {
        const char* name;
        Real points;
        bool include;
        Real millage;
        Real available;
        Count stepDowns, stepUps;
    };
    const Row rows[] = {
        // Tax falls faster than the payment rises: the first step up lowers the total.
        {"negative millage", 0.025L, false, -0.099L, 1320, 0, 1},
        // The mortgage shrinks as the base grows.
        {"points of -999 stepping up", -9.99L, true, 0.1L, 1320, 0, 1},
        // With nothing available the start trial is above it, and stepping down raises the cost.
        {"points of -999 stepping down", -9.99L, true, 0.1L, 0, 1, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SearchParams p = defaultSearch();
        p.pointsFraction = r.points;
        p.includeCosts = r.include;
        p.millageFraction = r.millage;
        p.assessmentFraction = 0.99L;
        p.available = r.available;
        const SearchResult s = AffordabilitySearch(p);
        EXPECT_EQ(s.end, SearchEnd::CostDoesNotRise);
        EXPECT_EQ(s.stepDowns, r.stepDowns);
        EXPECT_EQ(s.stepUps, r.stepUps);
    }
}

template <class F>
std::optional<FaultKind> faultOf(F&& f)
{
    try {
        f();
    } catch (const ArithmeticFault& fault) {
        return fault.kind;
    }
    return std::nullopt;
}

TEST(AffordabilitySearch, FaultsAsIfEveryOperationWereChecked)
{
    // 100 percent down (which the screen's fields cannot hold) divides the
    // house price by zero: 0 / 0 when nothing is borrowed.
    SearchParams p = defaultSearch();
    p.downpaymentPercent = 100;
    EXPECT_EQ(faultOf([&] { AffordabilitySearch(p); }), FaultKind::DivisionByZero);
    p.available = 0;
    EXPECT_EQ(faultOf([&] { AffordabilitySearch(p); }), FaultKind::InvalidOperation);

    // A house price beyond the extended range: the loop's own trial.
    p = defaultSearch();
    p.available = 1e4929L;
    p.paymentPerThousand = 1;  // a start base of 1e4932, just inside the range
    p.downpaymentPercent = 99;
    EXPECT_EQ(faultOf([&] { AffordabilitySearch(p); }), FaultKind::Overflow);
    Trial t;
    EXPECT_EQ(faultOf([&] { EvaluateTrial(1e4932L, p, t); }), FaultKind::Overflow);

    // A start base beyond the range.
    p.available = 1e4931L;
    EXPECT_EQ(faultOf([&] { AffordabilitySearch(p); }), FaultKind::Overflow);
}

// Largest income and ratios at 50 percent with 100 points off the loan: the
// cost rises by a fraction of a cent per step and would take billions of them.
SearchParams slowestSearch()
{
    SearchParams p{};
    p.available = fp::mul(9999999, fp::mul(99, kOneHundredth));
    p.paymentPerThousand = PaymentPerThousand(MonthlyRate(fp::mul(50, kOneHundredth)), 360);
    p.pointsFraction = fp::mul(-100, kOneHundredth);
    p.closingCosts = 2500;
    p.includeCosts = true;
    p.annualTax = 3000;
    p.downpaymentPercent = 20;
    return p;
}

TEST(AffordabilitySearch, BoundedNumberOfTrials)
{
    const SearchResult s = AffordabilitySearch(slowestSearch());
    EXPECT_EQ(s.end, SearchEnd::TooManyTrials);
    EXPECT_EQ(s.trials(), kMaxTrials);
    EXPECT_LT(s.final.total, slowestSearch().available);
}

TEST(AffordabilitySearch, LargestAdmissibleSearchesEndNormally)
{
    // The largest texts the fields take: these searches run millions of
    // trials and must still end on their own, inside the bound.
    const Overrides largest = {{"MG", "9999999"}, {"MID", "0"},  {"MDR", "99"},
                               {"TDR", "99"},     {"Rate", "0.01"}, {"termyy", "50"}};
    Overrides extreme = largest;
    extreme.insert(extreme.end(),
                   {{"Rate", ".00001"}, {"Mills", "999"}, {"AF", "99"}, {"DP", "99"}, {"MID", "-99999"}});
    for (const auto& in : {largest, extreme}) {
        const Outcome got = run(in);
        EXPECT_FALSE(got.message) << got.message->text;
        ASSERT_FALSE(got.writes.empty());
        EXPECT_EQ(got.writes.back().label, "dpmsg");
    }
}

}  // namespace
}  // namespace qm::qualify
