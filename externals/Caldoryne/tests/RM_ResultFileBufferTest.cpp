#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <QtExt_WholeFileWriter.h>

#include <RM_ResultFileBuffer.h>

using RM::ResultFileBuffer;

namespace {

/*! Text of v as the result files wrote it before through QTextStream. */
std::string textStreamText(double v, int precision) {
	QString s;
	QTextStream out(&s);
	out.setRealNumberNotation(QTextStream::SmartNotation);
	out.setRealNumberPrecision(precision);
	out << v;
	out.flush();
	return s.toStdString();
}

std::string bufferText(double v, int precision) {
	char buf[32];
	return std::string(buf, ResultFileBuffer::formatNumber(v, precision, buf, sizeof(buf)));
}

} // namespace


// Stored result files must not change by a byte: the numbers read as QTextStream wrote them.
TEST(ResultFileBuffer, NumbersAsQTextStreamWritesThem) {
	const double inf = std::numeric_limits<double>::infinity();
	const double nan = std::numeric_limits<double>::quiet_NaN();
	const std::vector<double> values = {
		0.0, -0.0, 1.0, -1.0, 20.001, 28.76, 0.1 + 0.2, 1.0/3, -2.0/3, 100000, 999999, 999999.5, 1e6, 1234567,
		9.999995, 9.9999949, 0.5, 0.05, 1e-4, 1.5e-4, 9.99999e-5, 1e-5, -1e-5, 1.2345678e-7, 1e-300,
		4.9e-324, 1e16, 1.7976931348623157e308, 365.0, 364.958333333333, 8760.0/24, 1e21, 123456789012.0,
		inf, -inf, nan, -nan,
		// exact ties at the last digit
		10000.25, -10000.25, 123456.5, 0.0009765625, 2.5, 1234567890.5, 12345.5, 1000005e9, 0.5e-6,
		1.2345675, 1234565.0, 0.03125 };
	for (int precision : { 6, 10 }) {
		for (double v : values)
			EXPECT_EQ(bufferText(v, precision), textStreamText(v, precision)) << "value " << v << " precision " << precision;
	}
}


// The fast path for common magnitudes against QTextStream over many values: random ones over
// 24 decades, decimal fractions (ties and near-ties at the last digit), and the neighbours of
// powers of ten and of the rounding boundaries where the exponent changes.
TEST(ResultFileBuffer, ManyNumbersAsQTextStreamWritesThem) {
	std::mt19937_64 random(42);
	std::uniform_real_distribution<double> mantissa(1, 10);
	std::uniform_int_distribution<int> exponent(-12, 12);
	std::uniform_int_distribution<long> integer(1, 10000000);
	std::vector<double> values;
	for (int i = 0; i < 20000; ++i) {
		const double sign = i % 3 == 0 ? -1 : 1;
		values.push_back(sign*mantissa(random)*std::pow(10.0, exponent(random)));
		values.push_back(sign*static_cast<double>(integer(random))/1000);
		values.push_back(sign*static_cast<double>(integer(random))/64*std::pow(10.0, exponent(random)));
	}
	for (int e = -12; e <= 12; ++e) {
		for (double m : { 1.0, 9.999995, 9.9999999995, 9.999999, 9.99999949999 }) {
			const double v = m*std::pow(10.0, e);
			for (double w : { std::nextafter(v, 0.0), v, std::nextafter(v, HUGE_VAL) })
				values.push_back(w);
		}
	}
	for (int precision : { 6, 10 }) {
		std::vector<std::string> differences;
		for (double v : values) {
			const std::string expected = textStreamText(v, precision);
			const std::string text = bufferText(v, precision);
			if (text != expected)
				differences.push_back(text + " instead of " + expected);
		}
		EXPECT_TRUE(differences.empty()) << differences.size() << " differences at precision " << precision
										 << ", the first: " << differences.front();
	}
}


TEST(ResultFileBuffer, PaddedFieldsAndBlocksReachTheFile) {
	QTemporaryDir dir;
	ASSERT_TRUE(dir.isValid());
	QtExt::WholeFileWriter file(dir.filePath("out.txt"));
	ASSERT_TRUE(file.open());
	std::string expected;
	{
		ResultFileBuffer out(file);
		out.append(QString::fromUtf8("T [\xc2\xb0" "C]\t"));
		expected += "T [\xc2\xb0" "C]\t";
		out.appendInteger(7, 3, ' ');
		out.appendInteger(5, 2, '0');
		out.appendInteger(123, 2, '0');
		out.appendNumber(-1.5, 6, 8);
		out.appendNumber(123456789.0, 6, 3);
		out.appendPadded("NaN", 5);
		out.append('\n');
		expected += "  705123    -1.51.23457e+08  NaN\n";
		// more than one block of text
		for (int i = 0; i < 300000; ++i) {
			out.appendNumber(i*0.25, 6);
			out.append('\n');
			out.lineDone();
			expected += textStreamText(i*0.25, 6) + "\n";
		}
		EXPECT_TRUE(out.finish());
	}
	ASSERT_TRUE(file.commit());
	QFile result(dir.filePath("out.txt"));
	ASSERT_TRUE(result.open(QIODevice::ReadOnly));
	const std::string written = result.readAll().toStdString();
	EXPECT_EQ(written.size(), expected.size());
	EXPECT_EQ(written.substr(0, 60), expected.substr(0, 60));
	EXPECT_TRUE(written == expected);
}
