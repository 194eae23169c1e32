#!/usr/bin/env python3
"""Writes decimal_vectors.txt: reference results for Framecore's Decimal from Python's decimal module.

Context: 38 digits, halves away from zero, coefficient exponents -128...127 (Emax 164, Emin -91,
clamp 1, so Etop = 127 and Etiny = -128). One case per line, fields separated by one space:

  add|sub|mul|div  A B  RESULT   RESULT is the plain text form, or OVERFLOW / UNDERFLOW / DIVZERO
  rnd  A MODE SCALE  RESULT      MODE 0 plain, 1 down (floor), 2 up (ceiling), 3 bankers
  txt  TEXT  RESULT              TEXT parsed (rounded to 38 digits), RESULT its plain text form
  rem  A B  RESULT               truncated-quotient remainder with the sign of A times the sign of B

Run: python3 gen_decimal_vectors.py > decimal_vectors.txt   (deterministic: fixed seed)
"""
import random
import sys
from decimal import (Context, Decimal, setcontext, ROUND_CEILING, ROUND_FLOOR, ROUND_HALF_EVEN, ROUND_HALF_UP,
                     DivisionByZero, DivisionImpossible, InvalidOperation, Overflow, Underflow)

PREC = 38
CTX = Context(prec=PREC, rounding=ROUND_HALF_UP, Emax=164, Emin=-91, clamp=1,
              traps=[Overflow, Underflow, DivisionByZero, InvalidOperation])
MODES = [ROUND_HALF_UP, ROUND_FLOOR, ROUND_CEILING, ROUND_HALF_EVEN]
rng = random.Random(20240611)
# Helper arithmetic (building operands, negating results) must never round.
setcontext(Context(prec=1000, Emax=999999, Emin=-999999))


def plain(d):
    """Digits, '.' before fraction digits, leading '-', no exponent, no trailing fraction zeros."""
    if d.is_nan():
        return "NaN"
    if d == 0:
        return "0"
    return format(d.normalize(Context(prec=PREC)), "f")


def representable(d):
    t = d.as_tuple()
    return len(t.digits) <= PREC and -128 <= t.exponent <= 127


def coefficient(digits):
    first = str(rng.randint(1, 9))
    return first + "".join(str(rng.randint(0, 9)) for _ in range(digits - 1))


def number(low=-40, high=40, digits=None, sign=None):
    """A random value with 1..38 digits whose magnitude lies between 10^low and 10^high."""
    n = digits or rng.choice([rng.randint(1, 6), rng.randint(1, 20), rng.randint(30, 38), 38])
    top = rng.randint(low, high)  # place of the leading digit
    exp = top - n + 1
    exp = max(-128, min(127, exp))
    neg = rng.random() < 0.5 if sign is None else sign
    return Decimal(("-" if neg else "") + coefficient(n) + "E" + str(exp))


def operand():
    r = rng.random()
    if r < 0.05:
        return number(-160, -100)  # near the underflow end
    if r < 0.10:
        return number(100, 164)  # near the overflow end
    if r < 0.13:
        return Decimal(rng.choice(["1", "-1", "2", "0.5", "10", "0.1", "3", "7", "-0.3", "24", "1000"]))
    return number()


def arith(op, a, b):
    try:
        if op == "add":
            r = CTX.add(a, b)
        elif op == "sub":
            r = CTX.subtract(a, b)
        elif op == "mul":
            r = CTX.multiply(a, b)
        else:
            r = CTX.divide(a, b)
    except Overflow:
        return "OVERFLOW"
    except Underflow:
        return "UNDERFLOW"
    except DivisionByZero:
        return "DIVZERO"
    except InvalidOperation:
        return "DIVZERO"  # 0 / 0
    return plain(r)


def tie_pair(op):
    """Operands whose exact result has a 5 just after the 38th digit (or other hard cases)."""
    c = Decimal(coefficient(38))
    neg = rng.random() < 0.5
    if op in ("add", "sub"):
        a = c.scaleb(rng.randint(-20, 5))
        half = Decimal(5).scaleb(a.as_tuple().exponent - 1)
        b = half if rng.random() < 0.7 else half + Decimal(1).scaleb(a.as_tuple().exponent - 30)
        if op == "sub":
            b = -b
        return (-a if neg else a), b
    if op == "mul":
        odd = int(coefficient(38)) | 1
        return Decimal(odd).scaleb(rng.randint(-40, 0)) * (-1 if neg else 1), Decimal(rng.choice(["5", "0.5", "-5", "50"]))
    odd = int(coefficient(38)) | 1
    if odd < 2 * 10**37:
        odd += 2 * 10**37
    return Decimal(odd).scaleb(rng.randint(-20, 20)) * (-1 if neg else 1), Decimal(rng.choice(["2", "-2", "0.2", "20"]))


def emit(*fields):
    print(" ".join(str(f) for f in fields))


def gen_arith(op, count):
    for i in range(count):
        if i % 10 == 0:
            a, b = tie_pair(op)
        else:
            a, b = operand(), operand()
            if op == "div" and rng.random() < 0.01:
                b = Decimal(0)
            if op in ("add", "sub") and rng.random() < 0.1:
                b = a.scaleb(-rng.randint(0, 3))  # cancellation
                if b.as_tuple().exponent < -128:
                    b = a
        assert representable(a) and representable(b)
        emit(op, a, b, arith(op, a, b))


def gen_round(count):
    for i in range(count):
        mode = rng.randrange(4)
        scale = rng.randint(-3, 40)
        if i % 4 == 0:
            # A tie or near-tie right after the rounding place.
            head = coefficient(rng.randint(1, 20))
            tail = "5" + ("0" * rng.randint(0, 5) if rng.random() < 0.6 else coefficient(rng.randint(1, 5)))
            sign = "-" if rng.random() < 0.5 else ""
            a = Decimal(sign + head + tail).scaleb(-(scale + len(tail)))
            if len(a.as_tuple().digits) > PREC or a.as_tuple().exponent < -128:
                continue
        else:
            a = number()
        if a.as_tuple().exponent >= -scale:
            r = a
        else:
            r = a.quantize(Decimal((0, (1,), -scale)), rounding=MODES[mode], context=Context(prec=200))
        emit("rnd", a, mode, scale, plain(r))


def gen_text(count):
    for i in range(count):
        kind = i % 5
        if kind == 0:
            text = str(number())  # Python's scientific form, e.g. 1.25E-7
        elif kind == 1:
            text = format(number(), "f")  # plain form
        elif kind == 2:
            sign = rng.choice(["", "-", "+"])
            text = sign + coefficient(rng.randint(1, 20)) + "." + coefficient(rng.randint(1, 20)) + "0" * rng.randint(0, 3)
        elif kind == 3:
            # More digits than fit: rounded halves away from zero.
            text = rng.choice(["", "-"]) + coefficient(rng.randint(39, 60))
            cut = rng.randint(1, len(text) - 1)
            if text[cut - 1] != "-":
                text = text[:cut] + "." + text[cut:]
        else:
            text = rng.choice(["0.", "-0.", "."]) + "0" * rng.randint(0, 20) + coefficient(rng.randint(1, 38))
            text = text.replace("-.", "-0.")
        try:
            d = CTX.create_decimal(text)
        except (Overflow, Underflow):
            continue
        emit("txt", text, plain(d))


def gen_remainder(count):
    for i in range(count):
        if i % 8 == 0:
            a = Decimal(rng.choice(["7", "-7", "7.5", "-7.5", "10", "-10", "1", "0.3"]))
            b = Decimal(rng.choice(["2", "-2", "0.3", "-0.3", "3", "-0.7", "1.25"]))
        else:
            a = number(-20, 30)
            b = number(-20, 20, digits=rng.randint(1, 38))
        try:
            r = CTX.remainder(a, b)
        except (InvalidOperation, DivisionImpossible):
            continue  # the truncated quotient has more than 38 digits
        if b < 0:
            r = -r
        emit("rem", a, b, plain(r))


def main():
    gen_arith("add", 4000)
    gen_arith("sub", 3000)
    gen_arith("mul", 4000)
    gen_arith("div", 4000)
    gen_round(4000)
    gen_text(2500)
    gen_remainder(3000)


if __name__ == "__main__":
    sys.stdout.reconfigure(newline="\n")
    main()
