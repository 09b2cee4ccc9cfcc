// The affordability search: the loan (and so the house price) whose estimated
// monthly housing cost first reaches the amount a household has available.
//
// Taxes and insurance are charged on the house price, which follows from the
// loan and the downpayment, so the cost of a loan is not a multiple of it: the
// search prices trial loans, stepping down by 2000 from the loan whose
// principal and interest alone use the whole amount, then up by 10. Every
// comparison is exact, so the order of operations decides which trial wins.
#pragma once

#include "loan/real.h"

namespace qm::qualify {

struct SearchParams {
    Real available;           // the monthly total to reach; 0 or more
    Real paymentPerThousand;  // monthly principal and interest per 1000 of loan
    Real pointsFraction;      // points x one hundredth
    Count closingCosts;       // whole dollars, without points
    bool includeCosts;        // points and closing costs are added to the loan
    Count annualTax;          // above 0: given; otherwise estimated from millage and assessment
    Real millageFraction;     // mills x one thousandth
    Real assessmentFraction;  // assessed share of the house price
    Count downpaymentPercent; // whole percent, below 100
};

// One priced loan. Every amount is monthly except the first three.
struct Trial {
    Real pointsAndClosing = 0;  // 0 unless the costs are included in the loan
    Real mortgage = 0;          // base amount + pointsAndClosing
    Real housePrice = 0;
    Real principalInterest = 0;
    Real taxes = 0;
    Real fireInsurance = 0;
    Real mortgageInsurance = 0;
    Real total = 0;
};

// Prices the base amount (the loan before points and closing costs) into
// `trial`, overwriting all of it.
void EvaluateTrial(Real base, const SearchParams& params, Trial& trial);

enum class SearchEnd {
    Reached,         // the final trial's total reaches the amount available
    CostDoesNotRise, // a step did not move the total the way the step went
    TooManyTrials,   // kMaxTrials evaluated and another one was due
};

// A cost that falls, or stays put, as the loan grows (negative millage or
// assessment, points far below -100 with the costs included) would keep the
// search stepping for ever; one that rises very slowly would take billions of
// steps. The largest search that the fields admit and that ends takes about
// three million trials.
inline constexpr Count kMaxTrials = 4'000'000;

struct SearchResult {
    Trial final;           // the last trial evaluated
    SearchEnd end = SearchEnd::Reached;
    Count stepDowns = 0;   // trials after the start trial, stepping down
    Count stepUps = 0;
    Count trials() const { return 1 + stepDowns + stepUps; }
};

SearchResult AffordabilitySearch(const SearchParams& params);

}  // namespace qm::qualify
