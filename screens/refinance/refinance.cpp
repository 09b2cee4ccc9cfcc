#include "screens/refinance/refinance.h"

#include "app/core/format.h"
#include "loan/formulas.h"

namespace qm::refinance {

const FieldSpec kFields[17] = {
    {"cmb", "120000", 8, FieldKind::Integer}, {"crt", "8.75", 6, FieldKind::Real},
    {"term", "30", 2, FieldKind::Integer},    {"Eapp", "170000", 8, FieldKind::Integer},
    {"coper", "75", 3, FieldKind::Real},      {"ncoper", "80", 3, FieldKind::Real},
    {"cpi", "944", 6, FieldKind::Integer},    {"cti", "225", 6, FieldKind::Integer},
    {"cmip", "25", 6, FieldKind::Integer},    {"mhe", "110", 6, FieldKind::Integer},
    {"lar", "120000", 8, FieldKind::Integer}, {"nrt", "7", 6, FieldKind::Real},
    {"ntrm", "30", 2, FieldKind::Integer},    {"pts", "1.5", 8, FieldKind::Real},
    {"cce", "2500", 8, FieldKind::Integer},   {"ccind", "y", 3, FieldKind::YesNo},
    {"coli", "y", 1, FieldKind::YesNo},
};

const char* const kResultLabels[13] = {"cola", "ncola", "pitihe",  "tcc",    "tccmsg", "nma", "npi",
                                       "nti",  "npiti", "payoff", "cash",   "comsg",  "mtr"};

namespace {

// From this share of the appraisal on, the mortgage insurance stays.
constexpr Real kInsuredShare = 0.805L;

}  // namespace

Outcome RefinanceCalculation(const FieldTexts& texts, const RegionalSettings& settings)
{
    return runCalculation([&](Outcome& out) {
        FieldReader in(kFields, texts, settings);
        const Count payoff = in.integer("cmb");
        const Real currentRate = fp::mul(in.real("crt"), kOneHundredth);
        const Count currentTerm = in.integer("term");
        const Count appraisal = in.integer("Eapp");
        const Real cashoutShare = fp::mul(in.real("coper"), kOneHundredth);
        const Real noCashoutShare = fp::mul(in.real("ncoper"), kOneHundredth);
        const Count currentPayment = in.integer("cpi");
        const Count currentTaxes = in.integer("cti");
        const Count currentInsurance = in.integer("cmip");
        const Count equityPayments = in.integer("mhe");
        const Count requested = in.integer("lar");
        const Real newRate = fp::mul(in.real("nrt"), kOneHundredth);
        const Real points = fp::mul(in.real("pts"), kOneHundredth);
        // MaxLength 2 keeps the product far inside 32 bits.
        const Count newTermMonths = in.integer("ntrm") * 12;
        const Count closingCosts = in.integer("cce");
        if (in.failed())
            return out.warn(kInputError);

        if (payoff <= 0)
            return out.warn(kPayoffCheck);
        if (currentRate <= 0)
            return out.warn(kCurrentRateCheck);
        if (currentTerm <= 0)
            return out.warn(kCurrentTermCheck);
        if (appraisal <= 0)
            return out.warn(kAppraisalCheck);
        if (cashoutShare <= 0)
            return out.warn(kCashoutPercentCheck);
        if (noCashoutShare <= 0)
            return out.warn(kNoCashoutPercentCheck);
        if (requested <= 0)
            return out.warn(kRequestedCheck);
        if (newRate <= 0)
            return out.warn(kNewRateCheck);
        if (newTermMonths <= 0)
            return out.warn(kNewTermCheck);

        const auto cashoutAnswer = in.yesNo("coli");
        if (!cashoutAnswer)
            return out.warn(kCashoutAnswerCheck);
        const bool cashout = *cashoutAnswer == YesNo::Yes;
        const auto costsAnswer = in.yesNo("ccind");
        if (!costsAnswer)
            return out.warn(kCostsAnswerCheck);
        const bool costsInLoan = *costsAnswer == YesNo::Yes;
        out.write("tccmsg", costsInLoan ? "included in loan" : "due at closing");

        const Real costs = fp::add(fp::mul(static_cast<Real>(requested), points), static_cast<Real>(closingCosts));
        out.write("tcc", CurrencyText(costs, settings));
        const Real cashoutLimit = fp::mul(static_cast<Real>(appraisal), cashoutShare);
        out.write("cola", CurrencyText(cashoutLimit, settings));
        const Real noCashoutLimit = fp::mul(static_cast<Real>(appraisal), noCashoutShare);
        out.write("ncola", CurrencyText(noCashoutLimit, settings));
        // Four 32-bit amounts: summed exactly, whatever they hold.
        const long long oldOutlay =
            static_cast<long long>(currentPayment) + currentTaxes + currentInsurance + equityPayments;
        out.write("pitihe", CurrencyText(static_cast<Real>(oldOutlay), settings));
        const Real mortgage = costsInLoan ? fp::add(static_cast<Real>(requested), costs) : static_cast<Real>(requested);
        out.write("nma", CurrencyText(mortgage, settings));

        // A mortgage may pass its limit by up to one cent.
        if (cashout && mortgage > fp::add(cashoutLimit, kOneHundredth))
            return out.warn(kCashoutLimitCheck);
        if (!cashout && mortgage > fp::add(noCashoutLimit, kOneHundredth))
            return out.warn(kNoCashoutLimitCheck);
        if (!cashout && costsInLoan)
            return out.warn(kCostsMakeCashoutCheck);

        const Real payment = LevelPayment(mortgage, MonthlyRate(newRate), newTermMonths);
        out.write("npi", CurrencyText(payment, settings));
        const Real taxesInsurance =
            fp::div(mortgage, static_cast<Real>(appraisal)) < kInsuredShare
                ? static_cast<Real>(currentTaxes)
                : static_cast<Real>(static_cast<long long>(currentTaxes) + currentInsurance);
        out.write("nti", CurrencyText(taxesInsurance, settings));
        const Real newOutlay = fp::add(taxesInsurance, payment);
        out.write("npiti", CurrencyText(newOutlay, settings));

        if (requested > payoff && !cashout)
            return out.warn(kAbovePayoffCheck);
        // Whole dollars: the points and closing costs do not enter these.
        const bool paysOut = requested > payoff;
        const Count cash = paysOut ? requested - payoff : 0;
        const Count stillNeeded = paysOut ? 0 : payoff - requested;
        out.write("comsg", paysOut ? "to homeowner" : "no cashout");
        out.write("cash", CurrencyText(static_cast<Real>(cash), settings));
        out.write("payoff", CurrencyText(static_cast<Real>(stillNeeded), settings));

        // The costs count in full, financed or not.
        if (newOutlay >= static_cast<Real>(oldOutlay)) {
            out.write("mtr", "N/A");
        } else {
            const Real months = fp::div(costs, fp::sub(static_cast<Real>(oldOutlay), newOutlay));
            out.write("mtr", FixedText(months, 3, 0, settings));
        }
    });
}

const ScreenDef kScreen = {"refinance", "Refinance", kFields, kResultLabels, &RefinanceCalculation};

}  // namespace qm::refinance
