#include "screens/selling/selling.h"

#include "app/core/format.h"

namespace qm::selling {

const FieldSpec kFields[7] = {
    {"esp", "180000", 9, FieldKind::Integer}, {"rec", "7", 0, FieldKind::Real},
    {"fsbo", "0", 8, FieldKind::Integer},     {"lf", "0", 8, FieldKind::Integer},
    {"rqfs", "0", 8, FieldKind::Integer},     {"cmb", "121000", 9, FieldKind::Integer},
    {"omhe", "5100", 9, FieldKind::Integer},
};

const char* const kResultLabels[4] = {"oesp", "comm", "poc", "net"};

Outcome SellingCalculation(const FieldTexts& texts, const RegionalSettings& settings)
{
    return runCalculation([&](Outcome& out) {
        FieldReader in(kFields, texts, settings);
        const Count price = in.integer("esp");
        const Real fraction = fp::mul(in.real("rec"), kOneHundredth);
        const Count forSaleByOwner = in.integer("fsbo");
        const Count legalFees = in.integer("lf");
        const Count requiredForSale = in.integer("rqfs");
        const Count firstMortgage = in.integer("cmb");
        const Count otherLoans = in.integer("omhe");
        if (in.failed())
            return out.warn(kInputError);

        if (price <= 0)
            return out.warn("Estimated Selling Price must be greater than 0");

        out.write("oesp", CurrencyText(price, settings));
        const Real commission = fp::mul(static_cast<Real>(price), fraction);
        out.write("comm", CurrencyText(commission, settings));
        // Whole dollars, exact: five 32-bit amounts can pass the 32-bit range.
        const long long costs = static_cast<long long>(legalFees) + forSaleByOwner + firstMortgage + otherLoans +
                                requiredForSale;
        out.write("poc", CurrencyText(static_cast<Real>(costs), settings));
        const Real net = fp::sub(fp::sub(static_cast<Real>(price), commission), static_cast<Real>(costs));
        out.write("net", CurrencyText(net, settings));
    });
}

const ScreenDef kScreen = {"selling", "Selling", kFields, kResultLabels, &SellingCalculation};

}  // namespace qm::selling
