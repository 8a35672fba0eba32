#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <QStringList>
#include <QXmlStreamWriter>

#include <BVX_LinearSpline.h>

#include <RM_ProjectInformation.h>
#include <RM_XMLHelpers.h>

#include "RM_TestSupport.h"

using RMTest::startReader;

TEST(XMLHelpers, readElementTextLeavesReaderOnEndElement) {
	QXmlStreamReader reader;
	startReader(reader, "<A><B>800</B><C>x</C></A>");
	reader.readNextStartElement();
	ASSERT_EQ(reader.name(), QString("B"));
	EXPECT_EQ(RM::readElementText(reader), QString("800"));
	EXPECT_TRUE(reader.isEndElement());
	EXPECT_EQ(reader.name(), QString("B"));
}


TEST(XMLHelpers, childInsideTextElementStopsAllLaterHelpers) {
	QXmlStreamReader reader;
	startReader(reader, "<A><B>1<X/></B><C v='3'>x</C></A>");
	reader.readNextStartElement();
	RM::readElementText(reader);
	ASSERT_TRUE(reader.hasError());
	const QString err = reader.errorString();

	double v = 7;
	EXPECT_FALSE(RM::readDoubleAttribute(reader, "v", v, false));
	EXPECT_EQ(v, 7);
	EXPECT_TRUE(RM::readElementText(reader).isEmpty());
	RM::skipElement(reader);
	RM::readUntilEndElement(reader);
	BVX::LinearSpline spl;
	QString name("keep"), xu, yu;
	RM::readNamedBVXSplineData(reader, name, xu, yu, spl);
	EXPECT_EQ(name, QString("keep"));
	EXPECT_EQ(reader.errorString(), err);	// the first error is what the caller reports
}


TEST(XMLHelpers, skipElementStopsAtItsOwnEndWithNestedNamesakes) {
	QXmlStreamReader reader;
	startReader(reader, "<R><A><A><A/></A><B>t</B></A><Next/></R>");
	reader.readNextStartElement();
	ASSERT_EQ(reader.name(), QString("A"));
	RM::skipElement(reader);
	ASSERT_FALSE(reader.hasError());
	EXPECT_TRUE(reader.isEndElement());
	reader.readNextStartElement();
	EXPECT_EQ(reader.name(), QString("Next"));
}


TEST(XMLHelpers, readUntilEndElementSkipsChildrenOfCurrentElement) {
	QXmlStreamReader reader;
	startReader(reader, "<R><Item a='1'><Sub><Deep/></Sub>text</Item><Other/></R>");
	reader.readNextStartElement();
	RM::readUntilEndElement(reader);
	EXPECT_TRUE(reader.isEndElement());
	EXPECT_EQ(reader.name(), QString("Item"));
}


TEST(XMLHelpers, readChildElementsVisitsDirectChildrenUpToOwnEnd) {
	QXmlStreamReader reader;
	startReader(reader, "<R>text<A>1</A><!-- c --><B><A>inner</A></B><C/></R><After/>");
	QStringList tags;
	RM::readChildElements(reader, [&](const QString & tag) {
		tags << tag;
		RM::skipElement(reader);
	});
	ASSERT_FALSE(reader.hasError());
	EXPECT_EQ(tags, QStringList({ "A", "B", "C" }));
	EXPECT_TRUE(reader.isEndElement());
	EXPECT_EQ(reader.name(), QString("R"));
}


TEST(XMLHelpers, readChildElementsWithEndTagPassesOverOtherEndElements) {
	// the child handler leaves "A" open, so the reader meets its end element in the loop
	QXmlStreamReader reader;
	startReader(reader, "<R><A><B/></A><C/></R><After/>");
	QStringList tags;
	RM::readChildElements(reader, [&](const QString & tag) { tags << tag; }, "R");
	ASSERT_FALSE(reader.hasError());
	EXPECT_EQ(tags, QStringList({ "A", "B", "C" }));
	EXPECT_TRUE(reader.isEndElement());
	EXPECT_EQ(reader.name(), QString("R"));

	// without end tag the first end element ends the reading
	QXmlStreamReader plain;
	startReader(plain, "<R><A><B/></A><C/></R>");
	tags.clear();
	RM::readChildElements(plain, [&](const QString & tag) { tags << tag; });
	EXPECT_EQ(tags, QStringList({ "A", "B" }));
	EXPECT_EQ(plain.name(), QString("B"));
}


TEST(XMLHelpers, readChildElementsStopsOnReaderError) {
	QXmlStreamReader reader;
	startReader(reader, "<R><A/><B/><C/></R>");
	QStringList tags;
	RM::readChildElements(reader, [&](const QString & tag) {
		tags << tag;
		RM::skipElement(reader);
		if (tag == "A")
			reader.raiseError("stop");
	});
	EXPECT_EQ(tags, QStringList({ "A" }));
	EXPECT_EQ(reader.errorString(), QString("stop"));
}


TEST(XMLHelpers, skipUnknownElementWarnsAndSkipsWhole) {
	RMTest::MessageCapture capture;
	QXmlStreamReader reader;
	startReader(reader, "<R><Odd><X>1</X></Odd><Next/></R>");
	reader.readNextStartElement();
	ASSERT_EQ(reader.name(), QString("Odd"));
	RM::skipUnknownElement(reader, "Geometry", "Odd", "[Test]");
	ASSERT_EQ(capture.m_messages.size(), 1u);
	EXPECT_EQ(capture.m_messages[0].m_text, std::string("Found unknown element in Geometry tag: 'Odd'."));
	EXPECT_EQ(capture.m_messages[0].m_type, BVX::MSG_WARNING);
	EXPECT_EQ(capture.m_messages[0].m_functionID, std::string("[Test]"));
	EXPECT_TRUE(reader.isEndElement());
	EXPECT_EQ(reader.name(), QString("Odd"));
}


namespace {
QString testKeyword(int type) {
	const char * const KEYWORDS[] = { "NONE", "SIMPLE", "MANAGED" };
	return (type >= 0 && type < 3) ? KEYWORDS[type] : QString();
}
}

TEST(XMLHelpers, readModelTypeAttributeKeepsValueForUnknownKeyword) {
	const struct { const char * xml; int expected; } cases[] = {
		{ "<M modelType='MANAGED'/>", 2 },
		{ "<M modelType='NONE'/>", 0 },
		{ "<M modelType='managed'/>", 7 },	// keywords are case sensitive
		{ "<M modelType=''/>", 7 },
		{ "<M/>", 7 },
	};
	for (const auto & c : cases) {
		QXmlStreamReader reader;
		startReader(reader, c.xml);
		int type = 7;
		RM::readModelTypeAttribute(reader, 3, &testKeyword, type);
		EXPECT_EQ(type, c.expected) << c.xml;
	}
	// only the first count keywords take part
	QXmlStreamReader reader;
	startReader(reader, "<M modelType='MANAGED'/>");
	int type = 7;
	RM::readModelTypeAttribute(reader, 2, &testKeyword, type);
	EXPECT_EQ(type, 7);
}


TEST(XMLHelpers, readDoubleAttributeRequiredAndOptional) {
	struct Case { const char * xml; bool optional; bool ok; double expected; bool error; };
	const Case cases[] = {
		{ "<E a='12.5'/>", false, true, 12.5, false },
		{ "<E a='1e-3'/>", false, true, 0.001, false },
		{ "<E a='12,5'/>", true, false, -1, true },		// decimal comma: no number, also when optional
		{ "<E a='12,5'/>", false, false, -1, true },
		{ "<E a=''/>", true, false, -1, true },
		{ "<E a=' 2.5 '/>", false, true, 2.5, false },
		{ "<E b='1'/>", true, false, -1, false },		// missing counts as failure
		{ "<E b='1'/>", false, false, -1, true },
	};
	for (const Case & c : cases) {
		QXmlStreamReader reader;
		startReader(reader, c.xml);
		double v = -1;
		EXPECT_EQ(RM::readDoubleAttribute(reader, "a", v, c.optional), c.ok) << c.xml;
		EXPECT_DOUBLE_EQ(v, c.expected) << c.xml;
		EXPECT_EQ(reader.hasError(), c.error) << c.xml;
		if (c.error) {
			EXPECT_EQ(reader.errorString(), QString("Invalid value for attribute 'a'."));
		}
	}
}


TEST(XMLHelpers, splineReaderReadsValuesAndSkipsUnknownChildren) {
	RMTest::MessageCapture capture;
	QXmlStreamReader reader;
	startReader(reader, "<LinearSpline name='MaxPowerCurve'><X unit='C'>1 2</X>"
						"<Extra><Z/></Extra><Y unit='kW'>10 20</Y></LinearSpline><After/>");
	BVX::LinearSpline spl;
	QString name, xu, yu;
	RM::readNamedBVXSplineData(reader, name, xu, yu, spl);
	ASSERT_FALSE(reader.hasError());
	EXPECT_EQ(name, QString("MaxPowerCurve"));
	EXPECT_EQ(xu, QString("C"));
	EXPECT_EQ(yu, QString("kW"));
	EXPECT_EQ(spl.x(), std::vector<double>({ 1, 2 }));
	EXPECT_EQ(spl.y(), std::vector<double>({ 10, 20 }));
	EXPECT_TRUE(spl.valid());
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in ControlModules tag: 'Extra'."), 1u);
	// reader stands on the end of "LinearSpline"
	EXPECT_TRUE(reader.isEndElement());
	EXPECT_EQ(reader.name(), QString("LinearSpline"));
}


TEST(XMLHelpers, splineReaderClearsSplineForUnequalOrEmptyLists) {
	const char * cases[] = {
		"<LinearSpline name='s'><X unit='h'>1 2 3</X><Y unit='---'>1 2</Y></LinearSpline>",
		"<LinearSpline name='s'><X unit='h'></X><Y unit='---'></Y></LinearSpline>",
		"<LinearSpline name='s'/>",
	};
	for (const char * xml : cases) {
		QXmlStreamReader reader;
		startReader(reader, xml);
		BVX::LinearSpline spl;
		spl.setValues({ 0, 1 }, { 5, 6 });
		QString name, xu, yu;
		EXPECT_NO_THROW(RM::readNamedBVXSplineData(reader, name, xu, yu, spl)) << xml;
		EXPECT_TRUE(spl.empty()) << xml;
		EXPECT_FALSE(reader.hasError()) << xml;
	}
}


TEST(XMLHelpers, splineWriterUsesSixSignificantDigitsAndRoundTrips) {
	BVX::LinearSpline spl;
	spl.setValues({ 0.1, 1234567.0 }, { -2.5, 3 });
	QString xml;
	{
		QXmlStreamWriter writer(&xml);
		RM::writeLinearSpline(writer, "Curve", "h", "W", spl);
		RM::writeLinearSpline(writer, "Empty", "h", "W", BVX::LinearSpline());	// writes nothing
	}
	EXPECT_EQ(xml, QString("<LinearSpline name=\"Curve\"><X unit=\"h\">0.1 1.23457e+06</X>"
						   "<Y unit=\"W\">-2.5 3</Y></LinearSpline>"));

	QXmlStreamReader reader;
	startReader(reader, xml);
	BVX::LinearSpline back;
	QString name, xu, yu;
	RM::readNamedBVXSplineData(reader, name, xu, yu, back);
	EXPECT_EQ(name, QString("Curve"));
	EXPECT_EQ(back.x(), std::vector<double>({ 0.1, 1234570.0 }));
	EXPECT_EQ(back.y(), spl.y());
}


TEST(ProjectInformation, roundTripAndUnknownChildIgnored) {
	RM::ProjectInformation info;
	info.m_projectName = "Office <North>";
	info.m_constructionID = "C-12";
	info.m_userName = QString::fromUtf8("Jürgen");
	info.m_company = "ACME & Co";
	info.m_location = "Dresden";
	info.m_description = "Line 1\nLine 2";
	// disclaimer stays empty and is written all the same
	QString xml;
	{
		QXmlStreamWriter writer(&xml);
		info.writeXML(writer);
	}
	EXPECT_TRUE(xml.contains("<DisclaimerText></DisclaimerText>"));
	EXPECT_LT(xml.indexOf("<Location>"), xml.indexOf("<Description>"));

	// an unknown child in the middle, read silently
	xml.replace("<Company>", "<Unknown><Deep>1</Deep></Unknown><Company>");
	RMTest::MessageCapture capture;
	QXmlStreamReader reader;
	startReader(reader, xml);
	RM::ProjectInformation back;
	back.readXML(reader);
	ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
	EXPECT_TRUE(capture.m_messages.empty());
	EXPECT_EQ(back.m_projectName, info.m_projectName);
	EXPECT_EQ(back.m_constructionID, info.m_constructionID);
	EXPECT_EQ(back.m_userName, info.m_userName);
	EXPECT_EQ(back.m_company, info.m_company);
	EXPECT_EQ(back.m_location, info.m_location);
	EXPECT_EQ(back.m_description, info.m_description);
	EXPECT_TRUE(back.m_disclaimerText.isEmpty());
	EXPECT_EQ(reader.name(), QString("ProjectInformation"));
}


TEST(XMLHelpers, firstInvalidUtf8ByteWithLineAndColumn) {
	const struct { const char * name; QByteArray bytes; bool bad; long long line, column; } cases[] = {
		{ "plain", "<a>\n<b/>\n</a>", false, 0, 0 },
		// two- to four-byte characters are one column each
		{ "valid multi-byte", "<a>\xc2\xb0\xe2\x82\xac\xf0\x9f\x98\x80</a>", false, 0, 0 },
		{ "stray byte", "<a>\n  <b>x\xffy</b>\n</a>", true, 2, 7 },
		{ "after characters", "\xc2\xb0\xe2\x82\xac\xfe", true, 1, 3 },
		{ "lone continuation", "a\n\nb\x80", true, 3, 2 },
		{ "overlong", "ab\xc0\x80", true, 1, 3 },
		{ "overlong three bytes", "\xe0\x80\xaf", true, 1, 1 },
		{ "surrogate", "x\xed\xa0\x80", true, 1, 2 },
		{ "above U+10FFFF", "\xf4\x90\x80\x80", true, 1, 1 },
		{ "cut at the end", "abc\xe2\x82", true, 1, 4 },
		{ "latin-1 text", "<a>K\xf6ln</a>", true, 1, 5 },
	};
	for (const auto & c : cases) {
		long long line = 0, column = 0;
		EXPECT_EQ(RM::findInvalidUtf8(c.bytes, line, column), c.bad) << c.name;
		if (c.bad) {
			EXPECT_EQ(line, c.line) << c.name;
			EXPECT_EQ(column, c.column) << c.name;
		}
	}
}


TEST(XMLHelpers, declaredEncoding) {
	EXPECT_TRUE(RM::declaresUtf8("<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>"));
	EXPECT_TRUE(RM::declaresUtf8("<?xml version=\"1.0\" encoding='UTF-8'?><a/>"));
	EXPECT_TRUE(RM::declaresUtf8("<?xml version=\"1.0\"?><a/>"));
	EXPECT_TRUE(RM::declaresUtf8("<a/>"));
	EXPECT_FALSE(RM::declaresUtf8("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>"));
}
