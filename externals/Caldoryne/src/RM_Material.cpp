#include "RM_Material.h"

#include <cmath>
#include <map>

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "RM_XMLHelpers.h"

namespace RM {

Material::Material() :
	m_category(MC_Miscellaneous),
	m_lambda(0.1),
	m_rho(1800),
	m_cT(780),
	m_mu(300),
	m_TPCMLow(23),
	m_HPCM(0)
{
}


QString Material::categoryName(unsigned int category) {
	static const char * const NAMES[] = {
		QT_TRANSLATE_NOOP("MaterialCategory", "Coating"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Plaster and mortar"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Building brick"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Natural stones"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Concrete containing building materials"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Insulation materials"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Building boards"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Timber"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Natural materials"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Soil"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Cladding panels and ceramic tiles"),
		QT_TRANSLATE_NOOP("MaterialCategory", "Foils and waterproofing products")
	};
	if (category >= 1 && category <= 12)
		return QCoreApplication::translate("MaterialCategory", NAMES[category - 1]);
	return QCoreApplication::translate("MaterialCategory", "Miscellaneous");
}


unsigned int Material::categoryFromInt(int n) {
	if (n >= 1 && n <= 13)
		return static_cast<unsigned int>(n);
	return MC_Miscellaneous;
}


double Material::derivedW92(double w80, double wsat) {
	double w92 = w80 / 0.8 * 0.92;
	if (w92 == wsat)
		w92 *= 0.99;
	return w92;
}


void Material::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	readCommonAttributes(reader);
	const QXmlStreamAttributes attribs = reader.attributes();
	m_category = readUIntAttribute(reader, "category");

	readDoubleAttribute(reader, "lambda", m_lambda, false);
	readDoubleAttribute(reader, "rho", m_rho, false);
	readDoubleAttribute(reader, "cT", m_cT, false);
	readDoubleAttribute(reader, "mu", m_mu, true);
	double w80 = 0;
	double wsat = 0;
	readDoubleAttribute(reader, "w80", w80, true);
	readDoubleAttribute(reader, "wsat", wsat, true);
	readDoubleAttribute(reader, "HPCM", m_HPCM, true);
	readDoubleAttribute(reader, "TPCMLow", m_TPCMLow, true);

	// further isotherm points: "w<rh in %>" = water content
	std::map<double, double> points;
	for (const QXmlStreamAttribute & a : attribs) {
		const QString attrName = a.name().toString();
		if (!attrName.startsWith('w') || attrName == "w80" || attrName == "wsat")
			continue;
		double rh = 0;
		double w = 0;
		if (!parseNumber(attrName.mid(1), rh) || !parseNumber(a.value().toString(), w))
			rh = std::nan("");
		if (!checkFiniteValues(reader, std::vector<double>{ rh, w }, attrName))
			break;
		points[rh / 100] = w;
	}

	readUntilEndElement(reader);
	if (reader.hasError())
		return;
	if (w80 == 0 || wsat == 0)
		return;

	bool listPoints = (points.lower_bound(0.92) != points.end());
	if (!listPoints) {
		double w92 = w80 / 0.8 * 0.92;
		if (w80 <= 0 || wsat <= 0 || w92 > wsat) {
			reader.raiseError(QCoreApplication::translate("Material",
				"Invalid sorption isotherm data for material for material name '%1'.").arg(name()));
			return;
		}
		points[0.92] = derivedW92(w80, wsat);
	}
	points[0] = 0;
	points[0.8] = w80;
	points[1] = wsat;

	std::vector<double> rh, w;
	for (const auto & p : points) {
		rh.push_back(p.first);
		w.push_back(p.second);
	}
	if (listPoints || points.size() > 4) {
		for (std::size_t i = 0; i < rh.size(); ++i)
			BVX::BVX_Message(BVX::FormatText("%1 %    %2 kg/m3\n").arg(rh[i] * 100, 4, 'f', 0).arg(w[i]),
							 BVX::MSG_PROGRESS, "[Material::readXML]", 4);
	}
	init(rh, w);
}


void Material::writeXML(QXmlStreamWriter & writer) const {
	writer.writeEmptyElement("Material");
	writer.writeAttribute("id", QString::number(m_id));
	writer.writeAttribute("category", QString::number(m_category));
	writer.writeAttribute("name", encodedName());
	writer.writeAttribute("lambda", doubleToString(m_lambda));
	writer.writeAttribute("rho", doubleToString(m_rho));
	writer.writeAttribute("cT", doubleToString(m_cT));
	writer.writeAttribute("mu", doubleToString(m_mu));
	const std::vector<double> & rh = m_sorptionIsotherm.x();
	const std::vector<double> & w = m_sorptionIsotherm.y();
	if (!rh.empty()) {
		// the 92 % point is written unless re-reading derives the same value from w80 and wsat
		double w80 = 0;
		bool otherHighPoint = false;
		for (std::size_t i = 0; i < rh.size(); ++i) {
			if (rh[i] == 0.8)
				w80 = w[i];
			if (rh[i] > 0.92 && rh[i] != 1)
				otherHighPoint = true;
		}
		for (std::size_t i = 0; i < rh.size(); ++i) {
			if (rh[i] == 0 || rh[i] == 1)
				continue;
			if (rh[i] == 0.92 && !otherHighPoint && w[i] == derivedW92(w80, w.back()))
				continue;
			const int percent = static_cast<int>(std::floor(rh[i] * 100 + 0.5));
			writer.writeAttribute(QString("w%1").arg(percent), doubleToString(w[i]));
		}
		writer.writeAttribute("wsat", doubleToString(w.back()));
	}
	writer.writeAttribute("HPCM", doubleToString(m_HPCM));
	writer.writeAttribute("TPCMLow", doubleToString(m_TPCMLow));
}


void Material::init(const std::vector<double> & rh, const std::vector<double> & w) {
	const char * const FUNC_ID = "[Material::init]";
	// setValues() throws only for unequal or empty vectors; report those like a bad spline
	std::string errMsg;
	try {
		m_sorptionIsotherm.setValues(rh, w);
	}
	catch (BVX::Exception & ex) {
		m_sorptionIsotherm.clear();
		errMsg = ex.what();
	}
	if (!m_sorptionIsotherm.valid()) {
		if (errMsg.empty())
			m_sorptionIsotherm.makeSpline(errMsg);
		throw BVX::Exception(BVX::FormatText("Error initializing Sorption Isotherm spline for material '%1': %2.")
							 .arg(name().toStdString()).arg(errMsg), FUNC_ID);
	}
	errMsg.clear();
	try {
		m_reversedSorptionIsotherm.setValues(w, rh);
	}
	catch (BVX::Exception & ex) {
		m_reversedSorptionIsotherm.clear();
		errMsg = ex.what();
	}
	if (!m_reversedSorptionIsotherm.valid()) {
		if (errMsg.empty())
			m_reversedSorptionIsotherm.makeSpline(errMsg);
		throw BVX::Exception(BVX::FormatText("Error initializing reversed Sorption Isotherm spline for material '%1': %2")
							 .arg(name().toStdString()).arg(errMsg), FUNC_ID);
	}
}


bool Material::isValid() const {
	if (!(m_lambda > 0.000001 && m_lambda <= 10000))
		return false;
	if (!(m_rho >= 1 && m_rho <= 100000))
		return false;
	if (!(m_cT >= 1 && m_cT <= 10000))
		return false;
	if (!(m_HPCM >= 0))
		return false;
	if (m_HPCM > 0 && !(m_TPCMLow >= 0 && m_TPCMLow <= 100))
		return false;
	return true;
}


bool Material::operator==(const Material & other) const {
	return encodedName() == other.encodedName()
		&& sameAsStored(m_lambda, other.m_lambda)
		&& sameAsStored(m_rho, other.m_rho)
		&& sameAsStored(m_cT, other.m_cT)
		&& sameAsStored(m_TPCMLow, other.m_TPCMLow)
		&& sameAsStored(m_HPCM, other.m_HPCM);
}

} // namespace RM
