#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <QtExt_FormatterBase.h>
#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>
#include <QtExt_ValidatorBase.h>

using QtExt::ValidatingLineEdit;

namespace {

/*! Sets the default locale the way the language handler does and restores it. */
class LocaleScope {
public:
	explicit LocaleScope(QLocale::Language lang) : m_saved(QLocale()) {
		QLocale loc(lang);
		loc.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
		QLocale::setDefault(loc);
	}
	~LocaleScope() { QLocale::setDefault(m_saved); }
private:
	QLocale m_saved;
};

/*! Accepts even numbers only. */
class EvenValidator : public QtExt::ValidatorBase {
public:
	explicit EvenValidator(const QString & tip) : m_tip(tip) {}
	bool isValid(double value) override { return std::fmod(value, 2.0) == 0.0; }
	QString toolTip() override { return m_tip; }
private:
	QString m_tip;
};

class BracketFormatter : public QtExt::FormatterBase {
public:
	QString formatted(double value) override { return QString("[%1]").arg(value); }
};

QColor baseColor(const QWidget & w) {
	return w.palette().color(QPalette::Active, QPalette::Base);
}

const double KEPT = 42.0;	// m_value before each case, to see whether it was overwritten
const double NO_RANGE = std::numeric_limits<double>::quiet_NaN();

} // namespace


TEST(ValidatingLineEdit, textValidityAndParsedValue) {
	struct Case {
		QLocale::Language lang;
		double minVal, maxVal;		// NO_RANGE: default range, setup() not called
		bool minIncl, maxIncl;
		bool acceptEmpty, integer;
		const char * text;
		bool valid;
		double value;				// m_value afterwards (KEPT when unchanged)
	};
	const QLocale::Language EN = QLocale::English, DE = QLocale::German;
	const Case cases[] = {
		// bounds inclusive / exclusive
		{ EN, 0, 100, true, false, false, false, "0", true, 0 },
		{ EN, 0, 100, true, false, false, false, "99.999", true, 99.999 },
		{ EN, 0, 100, true, false, false, false, "100", false, KEPT },
		{ EN, 0, 100, true, false, false, false, "-0.1", false, KEPT },
		{ EN, 0, 100, false, true, false, false, "0", false, KEPT },
		{ EN, 0, 100, false, true, false, false, "100", true, 100 },
		{ EN, 0, 100, false, true, false, false, "1e-300", true, 1e-300 },
		// default range: every finite number
		{ EN, NO_RANGE, 0, false, false, false, false, "-1.5e300", true, -1.5e300 },
		{ EN, NO_RANGE, 0, false, false, false, false, "1.7e308", true, 1.7e308 },
		{ EN, NO_RANGE, 0, false, false, false, false, "1e400", false, KEPT },
		{ EN, NO_RANGE, 0, false, false, false, false, "abc", false, KEPT },
		// empty text both ways, m_value kept
		{ EN, NO_RANGE, 0, false, false, false, false, "", false, KEPT },
		{ EN, NO_RANGE, 0, false, false, true, false, "", true, KEPT },
		{ EN, 1, 2, true, true, true, false, "   ", true, KEPT },
		// locale: English rejects group separators, German reads both decimal points
		{ EN, NO_RANGE, 0, false, false, false, false, "1,000", false, KEPT },
		{ EN, NO_RANGE, 0, false, false, false, false, "1,5", false, KEPT },
		{ EN, NO_RANGE, 0, false, false, false, false, "1.5", true, 1.5 },
		{ DE, NO_RANGE, 0, false, false, false, false, "1,5", true, 1.5 },
		{ DE, NO_RANGE, 0, false, false, false, false, "1.5", true, 1.5 },
		{ DE, NO_RANGE, 0, false, false, false, false, "1.000,5", false, KEPT },
		{ DE, 0, 2, true, true, false, false, "2,5", false, KEPT },
		// integer mode: no second attempt with '.'
		{ EN, NO_RANGE, 0, false, false, false, true, "2.5", false, KEPT },
		{ EN, NO_RANGE, 0, false, false, false, true, "-3", true, -3 },
		{ DE, NO_RANGE, 0, false, false, false, true, "2,5", false, KEPT },
		// non-finite numbers are never valid, also in the default range
		{ EN, NO_RANGE, 0, false, false, false, false, "nan", false, KEPT },
		{ EN, NO_RANGE, 0, false, false, false, false, "inf", false, KEPT },
		{ EN, NO_RANGE, 0, false, false, false, false, "-inf", false, KEPT },
		{ DE, NO_RANGE, 0, false, false, false, false, "nan", false, KEPT },
		{ DE, NO_RANGE, 0, false, false, false, false, "inf", false, KEPT },
		{ DE, NO_RANGE, 0, false, false, false, false, "-inf", false, KEPT },
		{ EN, 0, 1, true, true, false, false, "nan", false, KEPT },
	};
	for (const Case & c : cases) {
		LocaleScope locale(c.lang);
		ValidatingLineEdit edit;
		if (!std::isnan(c.minVal))
			edit.setup(c.minVal, c.maxVal, "tip", c.minIncl, c.maxIncl);
		edit.setAcceptEmptyInput(c.acceptEmpty);
		edit.setInteger(c.integer);
		edit.m_value = KEPT;
		edit.setText(c.text);
		const QString where = QString("'%1' %2 range [%3, %4] incl %5/%6 empty %7 int %8")
				.arg(c.text).arg(c.lang == EN ? "en" : "de").arg(c.minVal).arg(c.maxVal)
				.arg(c.minIncl).arg(c.maxIncl).arg(c.acceptEmpty).arg(c.integer);
		SCOPED_TRACE(where.toStdString());
		EXPECT_EQ(edit.isValid(), c.valid);
		EXPECT_DOUBLE_EQ(edit.m_value, c.value);
		EXPECT_EQ(baseColor(edit), QColor(c.valid ? "#f9f6c8" : "#ff7777"));
	}
}


TEST(ValidatingLineEdit, isValidNumberParsesWithoutRangeTest) {
	LocaleScope locale(QLocale::German);
	ValidatingLineEdit edit;
	edit.setup(0, 1, "tip", true, true);
	edit.setText("12,5");
	double v = 0;
	EXPECT_TRUE(edit.isValidNumber(v));
	EXPECT_DOUBLE_EQ(v, 12.5);
	EXPECT_FALSE(edit.isValid());

	edit.setText("nan");
	v = 7;
	EXPECT_FALSE(edit.isValidNumber(v));
	EXPECT_EQ(v, 7.0);
}


TEST(ValidatingLineEdit, startsAtZeroAndValid) {
	ValidatingLineEdit edit;
	EXPECT_EQ(edit.m_value, 0.0);
	EXPECT_EQ(baseColor(edit), QColor("#f9f6c8"));
	EXPECT_EQ(edit.alignment(), Qt::AlignRight | Qt::AlignVCenter);
}


TEST(ValidatingLineEdit, validatorReplacesRangeButNotFiniteness) {
	LocaleScope locale(QLocale::English);
	ValidatingLineEdit edit;
	edit.setup(0, 1, "range tip");
	edit.installValidator(new EvenValidator("even numbers"));
	edit.m_value = KEPT;

	edit.setText("4");		// outside the range, but the validator decides
	EXPECT_TRUE(edit.isValid());
	EXPECT_EQ(edit.m_value, 4.0);
	EXPECT_TRUE(edit.toolTip().isEmpty());

	edit.setText("3");
	EXPECT_FALSE(edit.isValid());
	EXPECT_EQ(edit.toolTip(), QString("even numbers"));
	EXPECT_EQ(edit.m_value, 4.0);

	// fmod(inf, 2) is NaN, fmod(nan, 2) too: the validator alone would reject, a lax one not
	for (const char * text : { "nan", "inf", "-inf" }) {
		edit.setText(text);
		EXPECT_FALSE(edit.isValid()) << text;
		EXPECT_EQ(edit.m_value, 4.0) << text;
	}
	EXPECT_FALSE(edit.ValidatingInputBase::isValid(std::numeric_limits<double>::quiet_NaN()));
	EXPECT_FALSE(edit.ValidatingInputBase::isValid(std::numeric_limits<double>::infinity()));
}


TEST(ValidatingLineEdit, toolTipFallsBackToOwnTextForEmptyValidatorTip) {
	ValidatingLineEdit edit;
	edit.setup(0, 1, "between 0 and 1");
	edit.setText("5");
	EXPECT_EQ(edit.toolTip(), QString("between 0 and 1"));

	edit.installValidator(new EvenValidator(QString()));
	edit.setText("3");
	EXPECT_EQ(edit.toolTip(), QString("between 0 and 1"));
}


TEST(ValidatingLineEdit, coloursFollowState) {
	ValidatingLineEdit edit;
	edit.setup(0, 1, "tip", true, true);
	edit.setText("5");
	ASSERT_EQ(baseColor(edit), QColor("#ff7777"));

	// read-only is blue whatever the text, with no tool tip
	edit.setReadOnly(true);
	EXPECT_EQ(baseColor(edit), QColor("#d6e9ff"));
	EXPECT_TRUE(edit.toolTip().isEmpty());
	edit.setText("0.5");
	EXPECT_EQ(baseColor(edit), QColor("#d6e9ff"));
	for (QPalette::ColorGroup g : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
		EXPECT_EQ(edit.palette().color(g, QPalette::Base), QColor("#d6e9ff")) << g;

	// disabled: the default palette, also when disabled through QWidget
	edit.setEnabled(false);
	EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Base), QPalette().color(QPalette::Active, QPalette::Base));
	EXPECT_TRUE(edit.toolTip().isEmpty());
	edit.setEnabled(true);
	edit.setReadOnly(false);
	EXPECT_EQ(baseColor(edit), QColor("#f9f6c8"));
	static_cast<QWidget &>(edit).setEnabled(false);
	EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Base), QPalette().color(QPalette::Active, QPalette::Base));
	static_cast<QWidget &>(edit).setEnabled(true);
	EXPECT_EQ(baseColor(edit), QColor("#f9f6c8"));

	// typing re-colours
	edit.clear();
	QTest::keyClicks(&edit, "7");
	EXPECT_EQ(baseColor(edit), QColor("#ff7777"));
	EXPECT_EQ(edit.toolTip(), QString("tip"));
}


TEST(ValidatingLineEdit, setValueFormatting) {
	struct Case { QLocale::Language lang; char format; int precision; double value; const char * text; };
	const Case cases[] = {
		{ QLocale::English, 'a', 0, 0.1, "0.1" },
		{ QLocale::German, 'a', 0, 0.1, "0,1" },
		{ QLocale::English, 'a', 0, 1234567.0, "1.23457e+06" },
		{ QLocale::English, 'a', 0, 12345.0, "12345" },
		{ QLocale::English, 'f', 2, 3.14159, "3.14" },
		{ QLocale::German, 'f', 1, 1234.56, "1234,6" },
	};
	for (const Case & c : cases) {
		LocaleScope locale(c.lang);
		ValidatingLineEdit edit;
		edit.setFormat(c.format, c.precision);
		edit.setValue(c.value);
		EXPECT_EQ(edit.text(), QString(c.text)) << c.value << " format " << c.format;
	}
	ValidatingLineEdit edit;
	edit.installFormatter(new BracketFormatter);
	edit.setValue(2);
	EXPECT_EQ(edit.text(), QString("[2]"));
}


TEST(ValidatingLineEdit, setValueStoresValueOnlyWhereColouringDoesNotTest) {
	LocaleScope locale(QLocale::English);
	ValidatingLineEdit edit;
	edit.setup(0, 10, "tip", true, true);
	edit.m_value = KEPT;
	edit.setValue(50);			// editable: the test runs and fails
	EXPECT_EQ(edit.m_value, KEPT);
	edit.setValue(5);			// editable: the test runs and passes
	EXPECT_EQ(edit.m_value, 5.0);

	edit.setReadOnly(true);
	edit.setValue(50);
	EXPECT_EQ(edit.m_value, 50.0);
	edit.setValue(std::numeric_limits<double>::quiet_NaN());
	EXPECT_EQ(edit.m_value, 50.0);
	edit.setReadOnly(false);
	edit.setEnabled(false);
	edit.setValue(60);
	EXPECT_EQ(edit.m_value, 60.0);
}


TEST(ValidatingLineEdit, signalsOnlyFromEditingWithValidText) {
	LocaleScope locale(QLocale::English);
	ValidatingLineEdit edit;
	edit.setup(0, 10, "tip", true, true);
	QSignalSpy finished(&edit, &ValidatingLineEdit::editingFinishedSuccessfully);
	QSignalSpy changed(&edit, &QLineEdit::textChanged);

	edit.setText("5");
	edit.setValue(6);
	EXPECT_EQ(finished.count(), 0);
	EXPECT_EQ(changed.count(), 0);

	QTest::keyClick(&edit, Qt::Key_Return);
	EXPECT_EQ(finished.count(), 1);

	edit.setText("11");
	QTest::keyClick(&edit, Qt::Key_Return);
	EXPECT_EQ(finished.count(), 1);
	edit.setText("nan");
	QTest::keyClick(&edit, Qt::Key_Return);
	EXPECT_EQ(finished.count(), 1);
	EXPECT_EQ(edit.m_value, 6.0);
}


namespace {
const double REFUSED = std::numeric_limits<double>::quiet_NaN();
}


// What a user types into a field and what it reads as. Under German "." groups thousands
// and is also taken as decimal point: a text the grouping could have meant is refused.
TEST(ValidatingLineEdit, typedNumbersReadAsMeantOrRefused) {
	struct Case { const char * text; double english; double german; };
	const Case cases[] = {
		{ "1.000", 1, REFUSED },
		{ "12.500", 12.5, REFUSED },
		{ "1.5", 1.5, 1.5 },
		{ "1,5", REFUSED, 1.5 },
		{ "2,500", REFUSED, 2.5 },
		{ "1.000.000", REFUSED, REFUSED },
		{ "0.25", 0.25, 0.25 },
		{ "-2.500", -2.5, REFUSED },
		{ "1.0000", 1, 1 },			// four digits after the point: no thousands group
		{ "1234.500", 1234.5, 1234.5 },	// a first group of four digits: no grouping either
		{ "1.000,5", REFUSED, REFUSED },
		{ "1,000", REFUSED, 1 },
	};
	for (QLocale::Language lang : { QLocale::English, QLocale::German }) {
		LocaleScope locale(lang);
		for (const Case & c : cases) {
			const double expected = lang == QLocale::English ? c.english : c.german;
			SCOPED_TRACE(std::string(c.text) + (lang == QLocale::English ? " en" : " de"));
			ValidatingLineEdit edit;
			edit.setup(-1e9, 1e9, "range tip", true, true);
			edit.m_value = KEPT;
			QTest::keyClicks(&edit, c.text);
			QSignalSpy finished(&edit, &ValidatingLineEdit::editingFinishedSuccessfully);
			QTest::keyClick(&edit, Qt::Key_Return);
			double v = KEPT;
			if (std::isnan(expected)) {
				EXPECT_FALSE(edit.isValidNumber(v));
				EXPECT_FALSE(edit.isValid());
				EXPECT_EQ(finished.count(), 0);
				EXPECT_EQ(baseColor(edit), QColor("#ff7777"));
			}
			else {
				EXPECT_TRUE(edit.isValidNumber(v));
				EXPECT_DOUBLE_EQ(v, expected);
				EXPECT_DOUBLE_EQ(edit.m_value, expected);
				EXPECT_EQ(finished.count(), 1);
				EXPECT_EQ(baseColor(edit), QColor("#f9f6c8"));
			}
		}
	}
}


TEST(ValidatingLineEdit, ambiguousGroupingNamesThePlainForms) {
	LocaleScope locale(QLocale::German);
	struct Case { const char * text; const char * toolTipPart; const char * notInToolTip; };
	const Case cases[] = {
		{ "1.000", "'1000' for the thousands or '1,000' for the decimal value", nullptr },
		{ "12.500", "'12500' for the thousands or '12,500'", nullptr },
		// no decimal reading: only the grouped form is offered
		{ "1.000.000", "'1000000'", "1,000,000" },
		{ "1.000,5", "'1000,5'", "1,000,5" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.text);
		ValidatingLineEdit edit;
		edit.setup(0, 1e9, "between 0 and 1e9", true, true);
		QTest::keyClicks(&edit, c.text);
		EXPECT_TRUE(edit.toolTip().contains(QString::fromUtf8(c.toolTipPart))) << edit.toolTip().toStdString();
		if (c.notInToolTip != nullptr) {
			EXPECT_FALSE(edit.toolTip().contains(QString::fromUtf8(c.notInToolTip)));
		}
		// each offered form is accepted as typed
		const QString tip = edit.toolTip();
		const QRegularExpression quoted("'([^']*)'");
		auto it = quoted.globalMatch(tip);
		it.next();		// the refused text itself
		int offered = 0;
		while (it.hasNext()) {
			const QString form = it.next().captured(1);
			edit.clear();
			QTest::keyClicks(&edit, form);
			EXPECT_TRUE(edit.isValid()) << form.toStdString();
			++offered;
		}
		EXPECT_GE(offered, 1);
	}
	// an out-of-range number keeps the range tip; integer fields refuse grouping too
	ValidatingLineEdit edit;
	edit.setup(0, 10, "between 0 and 10", true, true);
	QTest::keyClicks(&edit, "12,5");
	EXPECT_EQ(edit.toolTip(), QString("between 0 and 10"));
	edit.setInteger(true);
	edit.setup(0, 1e6, "integer", true, true);
	edit.clear();
	QTest::keyClicks(&edit, "2.000");
	EXPECT_FALSE(edit.isValid());
	EXPECT_TRUE(edit.toolTip().startsWith("Ambiguous number '2.000'"));
}


TEST(UserNumber, readsTablesAndPastesWithTheSameRule) {
	QLocale de(QLocale::German);
	de.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
	QLocale en(QLocale::English);
	en.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
	using S = QtExt::UserNumberStatus;
	struct Case { const char * text; const QLocale * loc; S status; double value; };
	const Case cases[] = {
		{ " 1.000 ", &de, S::AmbiguousGrouping, 0 },
		{ "+1.000", &de, S::AmbiguousGrouping, 0 },
		{ "1.000", &en, S::Valid, 1 },
		{ "12.5", &de, S::Valid, 12.5 },
		{ "\t0,25\n", &de, S::Valid, 0.25 },
		{ "1e3", &de, S::Valid, 1000 },
		{ "1.000abc", &de, S::Invalid, 0 },
		{ "", &de, S::Invalid, 0 },
		{ "inf", &en, S::Invalid, 0 },
		// a first group "0" or with a leading zero is no thousands grouping
		{ "0.035", &de, S::Valid, 0.035 },
		{ "0.043", &de, S::Valid, 0.043 },
		{ "-0.250", &de, S::Valid, -0.25 },
		{ "+0.500", &de, S::Valid, 0.5 },
		{ "00.500", &de, S::Valid, 0.5 },
		{ "012.345", &de, S::Valid, 12.345 },
		{ "0.035", &en, S::Valid, 0.035 },
		// nor is a tail that no grouping writes
		{ "1.000.5", &de, S::Invalid, 0 },
		{ "1.000 m", &de, S::Invalid, 0 },
		{ "1.0000", &de, S::Valid, 1 },
		// groupings stay ambiguous, with a decimal part or an exponent too
		{ "12.345", &de, S::AmbiguousGrouping, 0 },
		{ "1.500", &de, S::AmbiguousGrouping, 0 },
		{ "-1.000", &de, S::AmbiguousGrouping, 0 },
		{ "2.000,5", &de, S::AmbiguousGrouping, 0 },
		{ "1.000.000", &de, S::AmbiguousGrouping, 0 },
		{ "1.000e3", &de, S::AmbiguousGrouping, 0 },
		// English refuses the comma in any position
		{ "0,043", &en, S::Invalid, 0 },
		{ "12,5", &en, S::Invalid, 0 },
		{ "2.000,5", &en, S::Invalid, 0 },
		{ "0,043", &de, S::Valid, 0.043 },
		{ " 7 ", &en, S::Valid, 7 },
		{ "abc", &de, S::Invalid, 0 },
	};
	for (const Case & c : cases) {
		double v = -7;
		EXPECT_EQ(QtExt::parseUserNumber(QString::fromUtf8(c.text), v, *c.loc), c.status) << c.text;
		EXPECT_EQ(v, c.status == S::Valid ? c.value : -7.0) << c.text;
		double r = -7;
		EXPECT_EQ(QtExt::readUserNumber(QString::fromUtf8(c.text), r, *c.loc), c.status == S::Valid) << c.text;
	}
}


TEST(UserNumber, refusalNamesThePlainForms) {
	QLocale de(QLocale::German);
	QLocale en(QLocale::English);
	EXPECT_EQ(QtExt::refusedNumberMessage("0,5", de), QString());
	EXPECT_EQ(QtExt::refusedNumberMessage("1.000", de), QtExt::ambiguousGroupingMessage("1.000", de));
	// the example is written without group separator even where the locale would write one
	EXPECT_EQ(QtExt::refusedNumberMessage("abc", de),
		QString("'abc' is not a number: write it with ',' or '.' as decimal point and without thousands separator, e.g. '1234,5'."));
	EXPECT_EQ(QtExt::refusedNumberMessage(" 12,5 ", en),
		QString("'12,5' is not a number: write it with '.' as decimal point and without thousands separator, e.g. '1234.5'."));
}
