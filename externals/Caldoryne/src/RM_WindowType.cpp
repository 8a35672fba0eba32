#include "RM_WindowType.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Unit.h>
#include <BVX_UnitList.h>

#include "RM_XMLHelpers.h"

namespace RM {

WindowType::WindowType() :
	m_f(0.9),
	m_g(0.65),
	m_U(1.8)
{
	setEncodedName("en:<New Window Type>|de:<Neuer Fenstertyp>");
}


void WindowType::relativeSHGC(std::vector<double> & angles, std::vector<double> & values) const {
	angles.clear();
	values.clear();
	if (!m_relativeSHGC.empty()) {
		angles = m_relativeSHGC.x();
		values = m_relativeSHGC.y();
	}
	else {
		angles = { 0, 90 };
		values = { 1, 1 };
	}
}


bool WindowType::isValid() const {
	if (!(m_f >= 0 && m_f <= 1) || !(m_g >= 0 && m_g <= 1) || !(m_U > 0))
		return false;
	if (m_relativeSHGC.empty())
		return true;
	if (!m_relativeSHGC.valid() || m_relativeSHGC.size() < 2)
		return false;
	const std::vector<double> & y = m_relativeSHGC.y();
	const double first = y[0];
	for (double v : y)
		if (!(v >= 0 && v <= 1 && v <= first))
			return false;
	return true;
}


bool WindowType::operator==(const WindowType & other) const {
	return encodedName() == other.encodedName()
		&& sameAsStored(m_f, other.m_f) && sameAsStored(m_g, other.m_g) && sameAsStored(m_U, other.m_U);
}


void WindowType::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	readCommonAttributes(reader);
	readDoubleAttribute(reader, "f", m_f, false);
	readDoubleAttribute(reader, "g", m_g, false);
	readDoubleAttribute(reader, "U", m_U, false);
	readChildElements(reader, [&](const QString & tag) {
		// a failed spline sets the reader's error, which ends the reading
		if (tag == "LinearSpline")
			readRelativeSHGC(reader);
		else
			skipElement(reader);
	});
}


bool WindowType::readRelativeSHGC(QXmlStreamReader & reader) {
	QString name, xUnit, yUnit;
	BVX::LinearSpline spl;
	readNamedBVXSplineData(reader, name, xUnit, yUnit, spl);
	if (reader.hasError())
		return false;
	if (spl.empty()) {
		reader.raiseError(QCoreApplication::translate("WindowType",
			"Error reading LinearSpline data from WindowType parameter with id='%1'.").arg(m_id));
		return false;
	}
	if (name != "RelativeSHGC") {
		reader.raiseError(QCoreApplication::translate("WindowType",
			"Error reading LinearSpline data from WindowType parameter with id='%1', unknown function '%2'.")
			.arg(m_id).arg(name));
		return false;
	}
	if (xUnit != "Deg") {
		reader.raiseError(QCoreApplication::translate("WindowType",
			"Invalid x-value unit for LinearSpline of RelativeSHGC parameter."));
		return false;
	}
	if (yUnit != "%") {
		reader.raiseError(QCoreApplication::translate("WindowType",
			"Invalid y-value unit for LinearSpline of RelativeSHGC parameter."));
		return false;
	}
	std::vector<double> y = spl.y();
	const BVX::Unit percent(yUnit.toStdString());
	const BVX::Unit fraction("---");
	for (double & v : y)
		BVX::UnitList::instance().convert(percent, fraction, v);
	m_relativeSHGC.setValues(spl.x(), y);
	return true;
}


void WindowType::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("WindowType");
	writer.writeAttribute("id", QString::number(m_id));
	writer.writeAttribute("name", encodedName());
	writer.writeAttribute("f", doubleToString(m_f));
	writer.writeAttribute("g", doubleToString(m_g));
	writer.writeAttribute("U", doubleToString(m_U));
	if (!m_relativeSHGC.empty()) {
		std::vector<double> y = m_relativeSHGC.y();
		for (double & v : y)
			v *= 100;
		BVX::LinearSpline spl;
		spl.setValues(m_relativeSHGC.x(), y);
		writeLinearSpline(writer, "RelativeSHGC", "Deg", "%", spl);
	}
	writer.writeEndElement();
}

} // namespace RM
