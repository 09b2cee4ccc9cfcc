#!/usr/bin/env python3
"""Reference figures for the loan tests, worked out independently of the C++.

Every step is exact rational arithmetic rounded to a 64-bit significand with
ties to even (the extended format); the logarithm and exponential are taken
at 300 bits and rounded the same way. Prints the run totals and the rates of
return that amortization_test.cpp and rate_of_return_test.cpp expect.
Needs python3-mpmath; not part of the test run.
"""
from fractions import Fraction as F

import mpmath

mpmath.mp.prec = 300


def r64(x):
    x = F(x)
    if x == 0:
        return x
    sign = -1 if x < 0 else 1
    a = abs(x)
    e = a.numerator.bit_length() - a.denominator.bit_length()
    while F(2) ** e > a:
        e -= 1
    while F(2) ** (e + 1) <= a:
        e += 1
    scale = F(2) ** (63 - e)
    q, rem = divmod((a * scale).numerator, (a * scale).denominator)
    rem = F(rem, (a * scale).denominator)
    if rem > F(1, 2) or (rem == F(1, 2) and q % 2 == 1):
        q += 1
    return sign * F(q) / scale


def from_mp(y):
    man, exp = y.man_exp
    return F(int(man)) * F(2) ** int(exp)


def ln64(x):
    return r64(from_mp(mpmath.log(mpmath.mpf(x.numerator) / x.denominator)))


def exp64(x):
    return r64(from_mp(mpmath.exp(mpmath.mpf(x.numerator) / x.denominator)))


def text(x, digits=21):
    return mpmath.nstr(mpmath.mpf(x.numerator) / x.denominator, digits)


HUNDREDTH = r64(F(1, 100))
TWELFTH = r64(F(1, 12))
START = r64(F(1, 10000))
HALF_STEP = r64(F(5, 1000))


def compound(i, k):
    return exp64(r64(ln64(r64(1 + i)) * k))


def level_payment(p, i, n):
    return r64(r64(p * i) / r64(1 - compound(i, -n)))


def future_value(x, i, n):
    return r64(r64(r64(compound(i, n) - 1) * x) / i)


def run(balance, i, payment, prepayment, start):
    b, total, q, m = F(balance), F(0), F(0), 0
    while True:
        interest = r64(i * b)
        m += 1
        if m >= start:
            q = F(prepayment)
        if payment >= b:
            principal = r64(b + interest)
        else:
            principal = r64(r64(payment - interest) + q)
        rest = r64(b - principal)
        b = rest if rest > 0 else F(0)
        total = r64(total + interest)
        if b == 0:
            return total, m


def rate_of_return(goal, p, n):
    r, f, steps = START, F(0), 0

    def at(r):
        return future_value(F(p), r64(r * TWELFTH), n)

    while f < goal:
        r = r64(r + HUNDREDTH)
        f, steps = at(r), steps + 1
    if f != goal:
        while f > goal and r > 0:
            r = r64(r - HALF_STEP)
            f, steps = at(r), steps + 1
        if f != goal:
            while True:
                r = r64(r + START)
                f, steps = at(r), steps + 1
                if not goal > f:
                    break
    return (None if r < 0 else r64(r64(r - START) * 100)), steps


def main():
    i = r64(r64(F(85, 10) * HUNDREDTH) * TWELFTH)
    payment = level_payment(100000, i, 360)
    print("payment", text(payment))
    none, _ = run(100000, i, payment, 0, 1000)
    for p, k in [(50, 1000), (50, 1), (0, 1), (50, 360), (50, 200), (20000, 1), (50000, 1), (100000, 1)]:
        total, m = run(100000, i, payment, p, k)
        line = f"run p={p} k={k}: months {m} total {text(total)}"
        if k == 1 and p > 0 and m > 1:  # one prepayment: no rate reaches the savings
            rate, steps = rate_of_return(r64(none - total), p, m)
            line += f" rate {text(rate) if rate is not None else 'negative'} ({steps} steps)"
        print(line)


if __name__ == "__main__":
    main()
