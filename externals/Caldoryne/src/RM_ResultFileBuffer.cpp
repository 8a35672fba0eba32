#include "RM_ResultFileBuffer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <QFile>
#include <QString>

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

} // namespace


ResultFileBuffer::ResultFileBuffer(QFile & file) :
	m_file(file),
	m_ok(true)
{
	m_buffer.reserve(BLOCK_SIZE + (1 << 16));
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
	if (m_ok && m_file.write(m_buffer.data(), size) != size)
		m_ok = false;
	m_buffer.clear();
}

} // namespace RM
