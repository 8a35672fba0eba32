#include "RM_ResultFileBuffer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <QString>

#include <QtExt_WholeFileWriter.h>

namespace RM {

namespace {

/*! Largest text of a number: sign, 17 digits, point, exponent. */
const unsigned int NUMBER_CHARS = 32;

/*! True when |v| lies exactly halfway between two numbers of precision significant digits
	(its exact decimal form has precision + 1 digits, the last one a 5). QTextStream rounds
	these ties away from zero, "%g" to the even digit. */
bool isDecimalTie(double v, int precision) {
	std::uint64_t bits;
	std::memcpy(&bits, &v, sizeof(bits));
	const int biased = static_cast<int>((bits >> 52) & 0x7ff);
	std::uint64_t m = bits & ((std::uint64_t(1) << 52) - 1);
	if (biased == 0x7ff || (biased == 0 && m == 0))
		return false; // inf, nan, zero
	int e = biased == 0 ? -1074 : biased - 1075;
	if (biased != 0)
		m |= std::uint64_t(1) << 52;
	// |v| = m * 2^e with m odd
	while ((m & 1) == 0) {
		m >>= 1;
		++e;
	}
	// the exact decimal digits N of |v| = N * 10^k, N not divisible by 10
	const std::uint64_t limit = 100000000000ull; // 11 digits: precision 10 + 1
	std::uint64_t n = m;
	if (e < 0) { // m / 2^f = m * 5^f / 10^f
		for (int f = 0; f < -e; ++f) {
			if (n > limit)
				return false;
			n *= 5;
		}
	}
	else { // m * 2^e is N * 10^e exactly when 5^e divides m
		for (int i = 0; i < e; ++i) {
			if (n % 5 != 0)
				return false;
			n /= 5;
		}
	}
	if (n % 5 != 0 || n >= limit)
		return false;
	int digits = 0;
	for (std::uint64_t r = n; r > 0; r /= 10)
		++digits;
	return digits == precision + 1;
}

/*! Exact powers of ten 10^0 ... 10^22 (all representable in a double). */
const double POW10[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13,
						 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
const int MAX_POW10 = 22;

/*! Appends the decimal digits of n (n > 0), returns the end. */
char * writeDigits(std::uint64_t n, char * p) {
	char digits[20];
	int len = 0;
	for (; n > 0; n /= 10)
		digits[len++] = static_cast<char>('0' + n % 10);
	while (len > 0)
		*p++ = digits[--len];
	return p;
}

/*! "%g"-style text of a > 0 with precision significant digits (at most 10), as to_chars
	writes it, for the common case; 0 when that case does not apply and to_chars decides.

	a*10^k is computed with one rounding (10^k exact), so its error is below 2^-53 relative:
	a few 1e-7 units of the last kept digit at 10 digits. Values whose remainder after the
	kept digits lies that close to one half, or to a change of the exponent, go to to_chars;
	for all others rounding the scaled value gives the correctly rounded digits. */
unsigned int formatCommon(double a, int precision, char * buf) {
	if (!(a >= 1e-30 && a < 1e30))
		return 0;
	// decimal exponent: 10^x <= a < 10^(x+1), estimated from the binary one and corrected
	int e2;
	std::frexp(a, &e2);
	int x = ((e2 - 1)*78913) >> 18; // floor((e2 - 1)*log10(2))
	const int k = precision - 1 - x;
	if (k > MAX_POW10 || k < -MAX_POW10)
		return 0;
	double scaled = k >= 0 ? a*POW10[k] : a/POW10[-k];
	const double low = POW10[precision - 1];
	const double high = POW10[precision];
	// the estimate may be one too small
	if (scaled >= high) {
		if (k - 1 < -MAX_POW10)
			return 0;
		++x;
		scaled = k - 1 >= 0 ? a*POW10[k - 1] : a/POW10[1 - k];
	}
	const double margin = high*2.3e-16; // above the error of the scaled value
	if (scaled < low + margin || scaled >= high - margin)
		return 0;
	const double whole = std::floor(scaled);
	const double frac = scaled - whole;
	if (std::fabs(frac - 0.5) < 2*margin)
		return 0;
	std::uint64_t n = static_cast<std::uint64_t>(whole) + (frac > 0.5 ? 1 : 0);
	if (n == static_cast<std::uint64_t>(high)) {
		n /= 10;
		++x;
	}
	// drop trailing zeros of the significant digits
	while (n % 10 == 0)
		n /= 10;
	char * p = buf;
	if (x < -4 || x >= precision) {
		// d.ddde+XX
		char mantissa[24] = {};
		char * end = writeDigits(n, mantissa);
		*p++ = mantissa[0];
		if (end - mantissa > 1) {
			*p++ = '.';
			for (const char * c = mantissa + 1; c < end; ++c)
				*p++ = *c;
		}
		*p++ = 'e';
		*p++ = x < 0 ? '-' : '+';
		const int ax = x < 0 ? -x : x;
		if (ax < 10)
			*p++ = '0';
		p = writeDigits(static_cast<std::uint64_t>(ax), p);
	}
	else if (x < 0) {
		// 0.000ddd
		*p++ = '0';
		*p++ = '.';
		for (int z = -1; z > x; --z)
			*p++ = '0';
		p = writeDigits(n, p);
	}
	else {
		// ddd.ddd or ddd000
		char all[24] = {};
		char * end = writeDigits(n, all);
		const int len = static_cast<int>(end - all);
		const int intDigits = x + 1;
		for (int i = 0; i < intDigits; ++i)
			*p++ = i < len ? all[i] : '0';
		if (len > intDigits) {
			*p++ = '.';
			for (int i = intDigits; i < len; ++i)
				*p++ = all[i];
		}
	}
	return static_cast<unsigned int>(p - buf);
}

} // namespace


ResultFileBuffer::ResultFileBuffer(QtExt::WholeFileWriter & file) :
	m_file(file),
	m_ok(true)
{
	m_buffer.reserve(BLOCK_SIZE + (1 << 14)); // a block and the line that completes it
}


void ResultFileBuffer::append(const QString & text) {
	const QByteArray utf8 = text.toUtf8();
	m_buffer.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}


unsigned int ResultFileBuffer::formatNumber(double v, int precision, char * buf, unsigned int bufSize) {
	// as in QTextStream, the sign of a NaN is not shown
	if (std::isnan(v)) {
		buf[0] = 'n';
		buf[1] = 'a';
		buf[2] = 'n';
		return 3;
	}
	// nor the sign of a zero
	if (v == 0)
		v = 0;
	// ties round away from zero: the next number in that direction rounds the same way
	if (isDecimalTie(v, precision))
		v = std::nextafter(v, v > 0 ? HUGE_VAL : -HUGE_VAL);
	if (precision >= 1 && precision <= 10 && bufSize >= NUMBER_CHARS) {
		const double a = std::fabs(v);
		char * digits = buf;
		if (v < 0)
			*digits++ = '-';
		const unsigned int len = formatCommon(a, precision, digits);
		if (len > 0)
			return len + static_cast<unsigned int>(digits - buf);
	}
	// general format: the shorter of fixed and exponent form with two-digit exponents, like "%g"
	const std::to_chars_result r = std::to_chars(buf, buf + bufSize, v, std::chars_format::general, precision);
	return static_cast<unsigned int>(r.ptr - buf);
}


void ResultFileBuffer::appendNumber(double v, int precision) {
	char buf[NUMBER_CHARS];
	m_buffer.append(buf, formatNumber(v, precision, buf, NUMBER_CHARS));
}


void ResultFileBuffer::appendNumber(double v, int precision, unsigned int width) {
	char buf[NUMBER_CHARS];
	const unsigned int len = formatNumber(v, precision, buf, NUMBER_CHARS);
	if (len < width)
		m_buffer.append(width - len, ' ');
	m_buffer.append(buf, len);
}


void ResultFileBuffer::appendPadded(const char * text, unsigned int width) {
	const std::string::size_type len = std::char_traits<char>::length(text);
	if (len < width)
		m_buffer.append(width - len, ' ');
	m_buffer.append(text, len);
}


void ResultFileBuffer::appendInteger(long v, unsigned int width, char pad) {
	char buf[NUMBER_CHARS];
	const std::to_chars_result r = std::to_chars(buf, buf + NUMBER_CHARS, v);
	const std::size_t len = static_cast<std::size_t>(r.ptr - buf);
	if (len < width)
		m_buffer.append(width - len, pad);
	m_buffer.append(buf, len);
}


bool ResultFileBuffer::finish() {
	writeBlock();
	return m_ok;
}


void ResultFileBuffer::writeBlock() {
	if (m_buffer.empty())
		return;
	const qint64 size = static_cast<qint64>(m_buffer.size());
	if (m_ok && !m_file.write(m_buffer.data(), size))
		m_ok = false;
	m_buffer.clear();
}

} // namespace RM
