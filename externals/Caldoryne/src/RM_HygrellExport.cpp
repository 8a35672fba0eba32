#include "RM_HygrellExport.h"

#include <iomanip>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>

#include <QtExt_StagedInstall.h>

#include "RM_Climate.h"
#include "RM_ClimateLocationData.h"
#include "RM_Database.h"
#include "RM_HygrellProject.h"
#include "RM_Room.h"
#include "RM_TextFile.h"
#include "RM_ZonavexTemplates.h"

namespace RM {

namespace {

typedef std::map<std::string, std::string> Values;

std::string xmlEscaped(const std::string & text) {
	std::string res;
	res.reserve(text.size());
	for (char c : text) {
		switch (c) {
			case '&'  : res += "&amp;"; break;
			case '<'  : res += "&lt;"; break;
			case '>'  : res += "&gt;"; break;
			case '"'  : res += "&quot;"; break;
			case '\'' : res += "&apos;"; break;
			default   : res += c;
		}
	}
	return res;
}

/*! Replaces every ${Name} of the template in one pass: names in texts by their XML-escaped
	value, names in blocks by the block unchanged. Other placeholders stay literal, and
	inserted values are never searched again. */
std::string fillTemplate(const std::string & tmpl, const Values & texts, const Values & blocks = Values()) {
	std::string res;
	std::string::size_type pos = 0;
	for (;;) {
		const std::string::size_type start = tmpl.find("${", pos);
		const std::string::size_type end = start == std::string::npos ? start : tmpl.find('}', start);
		if (end == std::string::npos)
			break;
		const std::string name = tmpl.substr(start + 2, end - start - 2);
		res.append(tmpl, pos, start - pos);
		Values::const_iterator it = texts.find(name);
		Values::const_iterator blockIt = blocks.find(name);
		if (it != texts.end())
			res += xmlEscaped(it->second);
		else if (blockIt != blocks.end())
			res += blockIt->second;
		else
			res.append(tmpl, start, end + 1 - start);
		pos = end + 1;
	}
	res.append(tmpl, pos, std::string::npos);
	return res;
}

std::string num(double value) {
	return BVX::val2string(value);
}

/*! Ids joined by ","; "*" for none. */
std::string idList(const std::vector<unsigned int> & ids) {
	if (ids.empty())
		return "*";
	std::string res;
	for (unsigned int id : ids)
		res += BVX::val2string(id) + ",";
	res.erase(res.size() - 1);
	return res;
}

std::string numberList(const std::vector<double> & values) {
	std::string res;
	for (double v : values) {
		if (!res.empty())
			res += ' ';
		res += num(v);
	}
	return res;
}

/*! Display name of a material reference: the name in the current language, else the encoded name. */
std::string materialDisplayName(const Material & m) {
	QString name = m.name();
	if (name.isEmpty())
		name = m.encodedName();
	return name.toStdString();
}

/*! The parts of the zone-model project that come from the room's surfaces. */
class ZoneModelSurfaces {
public:
	explicit ZoneModelSurfaces(const Database & db) : m_db(db) {}

	/*! Adds a surface with a construction type. */
	void add(const RoomConstruction & rc);

	std::set<unsigned int>		m_constructionIds;
	std::string					m_instances;
	std::string					m_fixedZones;
	std::vector<unsigned int>	m_insideIds;
	std::vector<unsigned int>	m_outsideIds;
	std::vector<unsigned int>	m_outsideInterfaceIds;

private:
	std::string outsideInterface(const RoomConstruction & rc, const std::string & zoneId, const std::string & ad);
	std::string window(const RoomConstruction & rc);

	const Database &	m_db;
	// counters are incremented before use: the first ids are 101, 201, 1001 and 2001
	unsigned int		m_instanceId = 100;
	unsigned int		m_interfaceId = 200;
	unsigned int		m_zoneId = 1000;
	unsigned int		m_windowId = 2000;
};


void ZoneModelSurfaces::add(const RoomConstruction & rc) {
	m_constructionIds.insert(rc.m_constructionId);
	const unsigned int instanceId = ++m_instanceId;
	std::string interfaces;
	std::string embedded;
	switch (rc.m_type) {
		case RoomConstruction::Outside :
			interfaces = outsideInterface(rc, "0", num(rc.m_ad));
			m_outsideInterfaceIds.push_back(m_interfaceId);
			m_outsideIds.push_back(instanceId);
			break;
		case RoomConstruction::FixedTemperature : {
			const unsigned int zoneId = ++m_zoneId;
			interfaces = outsideInterface(rc, BVX::val2string(zoneId), "0");
			m_fixedZones += fillTemplate(ZonavexTemplates::FixedZone,
				{ { "ZoneID", BVX::val2string(zoneId) }, { "Temperature", num(rc.m_zoneT - 273.15) } });
			m_insideIds.push_back(instanceId);
		} break;
		default :
			m_insideIds.push_back(instanceId);
	}
	interfaces += fillTemplate(ZonavexTemplates::RoomSideInterface,
		{ { "InterfaceID", BVX::val2string(++m_interfaceId) }, { "alpha", num(1/rc.m_R_ui) } });
	if (rc.m_type == RoomConstruction::Outside && rc.m_windowId != 0)
		embedded = window(rc);

	m_instances += "\n" + fillTemplate(ZonavexTemplates::ConstructionInstance,
		{ { "ID", BVX::val2string(instanceId) }, { "Orientation", num(rc.m_orientation) },
		  { "Inclination", num(rc.m_inclination) }, { "Area", num(rc.m_AW + rc.m_AF) },
		  { "ConstructionTypeID", BVX::val2string(rc.m_constructionId) } },
		{ { "Interfaces", interfaces }, { "EmbeddedObjects", embedded } });
}


std::string ZoneModelSurfaces::outsideInterface(const RoomConstruction & rc, const std::string & zoneId,
												const std::string & ad)
{
	return fillTemplate(ZonavexTemplates::OutsideInterface,
		{ { "InterfaceID", BVX::val2string(++m_interfaceId) }, { "ZoneID", zoneId },
		  { "alpha", num(1/rc.m_R_ue) }, { "ad", ad } });
}


std::string ZoneModelSurfaces::window(const RoomConstruction & rc) {
	const WindowType * wt = m_db.windowType(rc.m_windowId);
	if (wt == nullptr)
		throw BVX::Exception("Invalid/unknown window ID.", "[HygrellExport::exportZonavexModel]");
	std::string relativeSHGC;
	if (!wt->m_relativeSHGC.empty()) {
		std::vector<double> angles, values;
		wt->relativeSHGC(angles, values);
		relativeSHGC = fillTemplate(ZonavexTemplates::RelativeSHGC,
			{ { "RelativeSHGC_X", numberList(angles) }, { "RelativeSHGC_Y", numberList(values) } });
	}
	const ShadingType * shading = m_db.shadingType(rc.m_shadingTypeId);
	return fillTemplate(ZonavexTemplates::Window,
		{ { "EmbeddedObjectId", BVX::val2string(++m_windowId) }, { "Area", num(rc.m_AF) },
		  { "GlassFraction", num(wt->m_f) }, { "ThermalTransmittance", num(wt->m_U) },
		  { "SolarHeatGainCoefficient", num(wt->m_g) },
		  { "ShadingFactor", shading != nullptr ? num(shading->m_z) : std::string("1") } },
		{ { "RelativeSHGC", relativeSHGC } });
}

} // namespace


HygrellExport::HygrellExport(const Database * db) :
	m_db(db)
{
}


BVX::Path HygrellExport::constructionFileName(unsigned int id) const {
	const ConstructionType * ct = m_db->constructionType(id);
	if (ct == nullptr)
		throw BVX::Exception("Unknown/invalid construction type id.", "[HygrellExport::constructionFileName]");
	return exportFileName(ct->m_names, "construction", id, ".h6p");
}


BVX::Path HygrellExport::materialFileName(unsigned int id) const {
	const Material * m = m_db->material(id);
	if (m == nullptr)
		throw BVX::Exception("Unknown/invalid material id.", "[HygrellExport::materialFileName]");
	return exportFileName(m->m_names, "material", id, ".m6");
}


BVX::Path HygrellExport::exportFileName(const QMap<QString, QString> & names, const char * fallback,
										unsigned int id, const char * suffix)
{
	QString name = names.value("en");
	if (name.isEmpty())
		name = names.value("de");
	if (name.isEmpty())
		name = fallback;
	return BVX::Path(safeFileName(name.toStdString()) + "_" + BVX::val2string(id) + suffix);
}


std::string HygrellExport::safeFileName(const std::string & name) {
	std::string res(name);
	for (char & c : res) {
		if (static_cast<unsigned char>(c) < 32 || c == 127 || std::string("/\\:*?\"<>|").find(c) != std::string::npos)
			c = '_';
	}
	return res;
}


BVX::Path HygrellExport::exportConstruction(unsigned int id, const BVX::Path & targetDir, const BVX::Path & fileName,
											const BVX::Path & materialsDir) const
{
	const char * const FUNC_ID = "[HygrellExport::exportConstruction]";
	const ConstructionType * ct = m_db->constructionType(id);
	if (ct == nullptr)
		throw BVX::Exception("Unknown/invalid construction type id.", FUNC_ID);

	HygrellProject project;
	project.setFilePath(fileName.isValid() ? fileName.str() : constructionFileName(id).str());
	project.setDisplayName(ct->encodedName().toStdString());
	project.setId(static_cast<int>(id));
	project.m_comment = "Generated from Caldoryne.";

	// reference names: two different materials of one display name get their ids appended
	std::map<unsigned int, std::string> referenceNames;
	std::map<std::string, std::set<unsigned int> > idsByName;
	for (unsigned int materialId : ct->m_materialIds) {
		const Material * m = m_db->material(materialId);
		if (m == nullptr)
			throw BVX::Exception("Unknown/invalid material id.", FUNC_ID);
		referenceNames[materialId] = materialDisplayName(*m);
		idsByName[referenceNames[materialId]].insert(materialId);
	}
	for (std::pair<const unsigned int, std::string> & ref : referenceNames) {
		if (idsByName[ref.second].size() > 1)
			ref.second += " [" + BVX::val2string(ref.first) + "]";
	}

	for (std::size_t i = 0; i < ct->m_materialIds.size(); ++i) {
		const unsigned int materialId = ct->m_materialIds[i];
		HygrellProject::Layer layer;
		layer.m_width.set("width", i < ct->m_d.size() ? ct->m_d[i] : 0.0, BVX::Unit("m"));
		layer.m_materialReference.m_filePath = BVX::Path("${Materials}") / materialFileName(materialId);
		layer.m_materialReference.m_name = referenceNames[materialId];
		project.m_layers.push_back(layer);
	}

	const BVX::Path result = targetDir / BVX::Path(project.m_filePath);
	if (materialsDir.isValid())
		project.m_placeholders["materials"] = materialsDir;
	project.writeXML(result.str());
	return result;
}


std::string HygrellExport::materialFileText(const std::string & encodedName, double rho, double cT, double lambda) {
	std::ostringstream out;
	const auto key = [&out](const char * keyword) -> std::ostream & {
		return out << "  " << std::left << std::setw(25) << keyword << "= ";
	};
	out << "H6MARLZ! 006.000\n\n";
	out << "[IDENTIFICATION]\n";
	key("NAME") << encodedName << '\n';
	key("FLAGS") << "AIR_TIGHT VAPOR_TIGHT WATER_TIGHT\n\n";
	out << "[STORAGE_BASE_PARAMETERS]\n";
	key("RHO") << rho << " kg/m3\n";
	key("CE") << cT << " J/kgK\n\n\n";
	out << "[TRANSPORT_BASE_PARAMETERS]\n";
	key("LAMBDA") << lambda << " W/mK\n";
	return out.str();
}


BVX::Path HygrellExport::exportMaterial(unsigned int id, const BVX::Path & targetDir) const {
	const char * const FUNC_ID = "[HygrellExport::exportMaterial]";
	const Material * m = m_db->material(id);
	if (m == nullptr)
		throw BVX::Exception("Unknown/invalid material id.", FUNC_ID);
	const BVX::Path result = targetDir / materialFileName(id);
	writeTextFile(result, materialFileText(m->encodedName().toStdString(), m->m_rho, m->m_cT, m->m_lambda), FUNC_ID);
	return result;
}


void HygrellExport::exportZonavexModel(const Room & room, const BVX::Path & directory, const BVX::Path & fileName,
									   const ClimateLocationData * location) const
{
	const char * const FUNC_ID = "[HygrellExport::exportZonavexModel]";
	if (location == nullptr)
		throw BVX::Exception(BVX::FormatText("Missing climate data for location '%1'.")
							 .arg(room.m_climateDataPath.toStdString()), FUNC_ID);
	// everything is written beside the target first and then put in place at once: a disk that
	// runs full leaves the earlier export whole, not half replaced
	QTemporaryDir staging(QString::fromStdString((directory / ".zone-export-XXXXXX").str()));
	if (!staging.isValid())
		throw BVX::Exception(BVX::FormatText("Cannot write into export directory '%1': %2.").arg(directory.str())
							 .arg(staging.errorString().toStdString()), FUNC_ID);
	const BVX::Path stage(staging.path().toStdString());
	const BVX::Path constructionsDir = stage / "constructions";
	const BVX::Path materialsDir = stage / "materials";
	const BVX::Path climateDir = stage / "climate";
	for (const BVX::Path & sub : { constructionsDir, materialsDir, climateDir }) {
		if (!QDir().mkpath(QString::fromStdString(sub.str())))
			throw BVX::Exception(BVX::FormatText("Cannot create directory '%1'.").arg(sub.str()), FUNC_ID);
	}

	ZoneModelSurfaces surfaces(*m_db);
	for (const RoomConstruction & rc : room.m_constructions) {
		// surfaces without construction type are left out and use no ids
		if (rc.m_constructionId != 0)
			surfaces.add(rc);
	}

	// the messages name the target, not the staging folder
	try {
		std::string constructionTypes;
		std::set<unsigned int> materialIds;
		for (unsigned int id : surfaces.m_constructionIds) {
			const BVX::Path file = exportConstruction(id, constructionsDir, BVX::Path(), BVX::Path());
			const ConstructionType * ct = m_db->constructionType(id);
			constructionTypes += fillTemplate(ZonavexTemplates::ConstructionTypeReference,
				{ { "DisplayName", ct->encodedName().toStdString() }, { "FileName", file.filename().str() } });
			materialIds.insert(ct->m_materialIds.begin(), ct->m_materialIds.end());
		}
		for (unsigned int id : materialIds)
			exportMaterial(id, materialsDir);
		copyClimateFile(room.m_climateDataPath, climateDir);

		const std::string climateFileName = BVX::Path(room.m_climateDataPath.toStdString()).filename().str();
		const std::string project = fillTemplate(ZonavexTemplates::ZonavexProject,
			{ { "Height", num(room.m_height) }, { "Area", num(room.m_area) },
			  { "Created", QDate::currentDate().toString("yyyy-MM-dd").toStdString() },
			  { "Comment", "Generated by Caldoryne (built-in Zonavex-Project-Generator)" },
			  { "RadiationLoadFraction", num(room.m_gammaRad) },
			  { "Latitude", num(location->m_latitude) }, { "Longitude", num(location->m_longitude) },
			  { "Albedo", num(room.m_albedo) },
			  { "InsideConstructionIDs", idList(surfaces.m_insideIds) },
			  { "OutsideConstructionIDs", idList(surfaces.m_outsideIds) },
			  { "OutsideConstructionInterfaceIDs", idList(surfaces.m_outsideInterfaceIds) } },
			{ { "ClimateReference", fillTemplate(ZonavexTemplates::ClimateReference, { { "FileName", climateFileName } }) },
			  { "ConstructionInstances", surfaces.m_instances }, { "ConstructionTypes", constructionTypes },
			  { "FixedZones", surfaces.m_fixedZones } });
		writeTextFile(stage / fileName, project + "\n", FUNC_ID);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Nothing was exported into '%1'; an earlier export there was left as it was.")
							 .arg(directory.str()), FUNC_ID);
	}

	QStringList entries;
	for (const char * sub : { "constructions", "materials", "climate" }) {
		QDir().mkpath(QString::fromStdString((directory / sub).str()));
		for (const QString & file : QDir(staging.path() + "/" + sub).entryList(QDir::Files | QDir::Hidden))
			entries << QString(sub) + "/" + file;
	}
	entries << QString::fromStdString(fileName.str());
	QString failed;
	if (!QtExt::StagedInstall::install(staging.path(), entries, QString::fromStdString(directory.str()), failed))
		throw BVX::Exception(BVX::FormatText("Cannot replace '%1'; the earlier export was left as it was.")
							 .arg(failed.toStdString()), FUNC_ID);
}


void HygrellExport::copyClimateFile(const QString & climateDataPath, const BVX::Path & climateDir) const {
	const char * const FUNC_ID = "[HygrellExport::exportZonavexModel]";
	// resolved as the simulation does: a user file shadows a built-in one
	const QString source = Climate::resolveClimateFile(m_db->builtinDir() + "/DB_climate",
													   m_db->userDir() + "/DB_climate", climateDataPath);
	if (climateDataPath.isEmpty() || !QFileInfo(source).isFile())
		throw BVX::Exception(BVX::FormatText("Climate data file '%1' not found.").arg(source.toStdString()), FUNC_ID);
	const BVX::Path target = climateDir / BVX::Path(climateDataPath.toStdString()).filename();
	const QString targetText = QString::fromStdString(target.str());
	QFile in(source);
	if (!in.open(QIODevice::ReadOnly))
		throw BVX::Exception(BVX::FormatText("Cannot read climate data file '%1'.").arg(source.toStdString()), FUNC_ID);
	// an earlier copy is replaced only by a complete one
	writeBinaryFile(target, in.readAll(), FUNC_ID);
}

} // namespace RM
