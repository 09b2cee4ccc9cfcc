#include "screens/qualify/qualify.h"

#include "app/core/format.h"
#include "loan/formulas.h"
#include "screens/qualify/affordability.h"

namespace qm::qualify {

const FieldSpec kFields[13] = {
    {"MG", "4000", 7, FieldKind::Integer},   {"MID", "200", 6, FieldKind::Integer},
    {"MDR", "33", 2, FieldKind::Integer},    {"TDR", "38", 2, FieldKind::Integer},
    {"AT", "0", 6, FieldKind::Integer},      {"Mills", "100", 3, FieldKind::Integer},
    {"AF", "25", 2, FieldKind::Integer},     {"Rate", "8.5", 6, FieldKind::Real},
    {"Pts", "2.5", 4, FieldKind::Real},      {"termyy", "30", 2, FieldKind::Integer},
    {"CCE", "2500", 5, FieldKind::Integer},  {"CCI", "n", 1, FieldKind::YesNo},
    {"DP", "5", 2, FieldKind::Integer},
};

const char* const kResultLabels[15] = {"mdl", "tdl", "mda",  "mdaind", "mpi",  "mt",  "mfi",   "mip",
                                       "hp",  "dpo", "dpmsg", "cceo",  "ccmsg", "ma", "mdamsg"};

namespace {

constexpr Real kRateLimit = 0.5L;
// 20 points x one hundredth lies just below this, so 20 points pass.
constexpr Real kPointsLimit = 0.2L;
constexpr Count kTermLimitMonths = 600;
// Limits that differ only by rounding show no mark.
constexpr Real kOverLimitMargin = 0.009999999999L;

}  // namespace

Outcome QualifyCalculation(const FieldTexts& texts, const RegionalSettings& settings)
{
    return runCalculation([&](Outcome& out) {
        FieldReader in(kFields, texts, settings);
        const Count gross = in.integer("MG");
        const Count installmentDebt = in.integer("MID");
        const Real mortgageRatio = fp::mul(static_cast<Real>(in.integer("MDR")), kOneHundredth);
        const Real totalRatio = fp::mul(static_cast<Real>(in.integer("TDR")), kOneHundredth);
        const Count annualTax = in.integer("AT");
        const Real millage = fp::mul(static_cast<Real>(in.integer("Mills")), kOneThousandth);
        const Real assessment = fp::mul(static_cast<Real>(in.integer("AF")), kOneHundredth);
        const Real rate = fp::mul(in.real("Rate"), kOneHundredth);
        const Real points = fp::mul(in.real("Pts"), kOneHundredth);
        // MaxLength 2 keeps the product far inside 32 bits.
        const Count termMonths = in.integer("termyy") * 12;
        const Count closingCosts = in.integer("CCE");
        const Count downpaymentPercent = in.integer("DP");
        if (in.failed())
            return out.warn(kInputError);

        if (gross <= 0)
            return out.warn(kGrossCheck);
        if (mortgageRatio <= 0)
            return out.warn(kMortgageRatioCheck);
        if (totalRatio <= 0)
            return out.warn(kTotalRatioCheck);
        if (annualTax > 0 && (millage > 0 || assessment > 0))
            return out.warn(kTaxGivenCheck);
        if (annualTax == 0 && (millage == 0 || assessment == 0))
            return out.warn(kTaxEstimateCheck);
        if (rate <= 0)
            return out.warn(kRateCheck);
        if (termMonths <= 0)
            return out.warn(kTermCheck);
        if (termMonths > kTermLimitMonths)
            return out.warn(kTermLimitCheck);
        const auto include = in.yesNo("CCI");
        if (!include)
            return out.warn(kIncludeCheck);
        if (rate > kRateLimit)
            return out.warn(kRateLimitCheck);
        if (points > kPointsLimit)
            return out.warn(kPointsLimitCheck);
        const bool includeCosts = *include == YesNo::Yes;

        // Before any write: a rate so small that 1 + i rounds to 1 faults
        // here and leaves every label alone.
        const Real perThousand = PaymentPerThousand(MonthlyRate(rate), termMonths);

        const Real mortgageLimit = fp::mul(static_cast<Real>(gross), mortgageRatio);
        const Real totalLimit = fp::mul(static_cast<Real>(gross), totalRatio);
        const Real available = fp::sub(totalLimit, static_cast<Real>(installmentDebt));
        out.write("mdl", CurrencyText(mortgageLimit, settings));
        out.write("tdl", CurrencyText(totalLimit, settings));
        out.write("mda", CurrencyText(available, settings));
        if (available < 0)
            return out.warn(kNoFunds);

        out.write("mdaind", " ");
        out.write("mdamsg", " ");
        if (fp::sub(available, mortgageLimit) > kOverLimitMargin) {
            out.write("mdaind", "**");
            out.write("mdamsg", kOverLimitMessage);
        }

        const SearchParams params{available,  perThousand, points,     closingCosts,      includeCosts,
                                  annualTax, millage,     assessment, downpaymentPercent};
        const SearchResult search = AffordabilitySearch(params);
        if (search.end != SearchEnd::Reached)
            return out.warn(kNoFit);
        const Trial& loan = search.final;

        out.write("mpi", CurrencyText(loan.principalInterest, settings));
        out.write("mt", CurrencyText(loan.taxes, settings));
        out.write("mfi", CurrencyText(loan.fireInsurance, settings));
        out.write("mip", CurrencyText(loan.mortgageInsurance, settings));
        out.write("hp", CurrencyText(loan.housePrice, settings));
        const Real downpayment =
            fp::mul(fp::mul(static_cast<Real>(downpaymentPercent), kOneHundredth), loan.housePrice);
        out.write("dpo", CurrencyText(downpayment, settings));
        out.write("ma", CurrencyText(loan.mortgage, settings));
        // The search leaves costs paid at closing out of the loan; they are
        // priced here on the final mortgage amount.
        Real pointsAndClosing = loan.pointsAndClosing;
        if (includeCosts) {
            out.write("ccmsg", "included in loan");
        } else {
            out.write("ccmsg", "due at closing");
            pointsAndClosing = fp::add(fp::mul(loan.mortgage, points), static_cast<Real>(closingCosts));
        }
        out.write("cceo", CurrencyText(pointsAndClosing, settings));
        out.write("dpmsg", downpaymentPercent > 0 ? "due at closing" : "no downpayment");
    });
}

const ScreenDef kScreen = {"qualify", "Qualify", kFields, kResultLabels, &QualifyCalculation};

}  // namespace qm::qualify
