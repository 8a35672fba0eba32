#include "ConstructionTableModel.h"

#include <cmath>

#include <QFontMetrics>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>

#include <BVX_Path.h>
#include <QtExt_UserNumber.h>
#include <RM_ConstructionType.h>
#include <RM_Database.h>
#include <RM_RoomConstruction.h>
#include <RM_Room.h>
#include <RM_ShadingType.h>
#include <RM_ValueChecks.h>
#include <RM_WindowType.h>

namespace {

const int MIN_ROWS = 30;
const double CELSIUS_OFFSET = 273.15;

bool isRightAligned(int col) {
	switch (col) {
		case ConstructionTableModel::ColId:
		case ConstructionTableModel::ColArea:
		case ConstructionTableModel::ColWindowArea:
		case ConstructionTableModel::ColAbsorption:
		case ConstructionTableModel::ColRse:
		case ConstructionTableModel::ColRsi:
		case ConstructionTableModel::ColOppositeT:
			return true;
		default:
			return false;
	}
}

QString inclinationText(double inclination) {
	if (inclination == 0)
		return ConstructionTableModel::tr(" 0 - Horizontal");
	if (inclination == 45)
		return ConstructionTableModel::tr("45 - Tilted");
	if (inclination == 90)
		return ConstructionTableModel::tr("90 - Vertical");
	return QString("%L1").arg(inclination);
}

/*! Name of a database item referenced by id: id 0 means none, an id the database lacks is unknown. */
template <typename Item>
QString itemName(unsigned int id, const Item * item, const QString & noneText, const QString & unknownText) {
	if (id == 0)
		return noneText;
	return item != nullptr ? item->name() : unknownText;
}

} // namespace

ConstructionTableModel::ConstructionTableModel(QObject * parent, RM::Room * room, RM::Database * db) :
	QAbstractTableModel(parent),
	m_db(db),
	m_room(room)
{
}

int ConstructionTableModel::rowCount(const QModelIndex & parent) const {
	if (parent.isValid())
		return 0;
	return std::max(MIN_ROWS, int(m_room->m_constructions.size()) + 1);
}

int ConstructionTableModel::columnCount(const QModelIndex & parent) const {
	return parent.isValid() ? 0 : NumColumns;
}

bool ConstructionTableModel::hasConstruction(const QModelIndex & index) const {
	const int row = index.row();
	return row >= 0 && row < int(m_room->m_constructions.size())
		&& m_room->m_constructions[size_t(row)].m_constructionId != 0;
}

bool ConstructionTableModel::isCellActive(const QModelIndex & index) const {
	const int col = index.column();
	if (!hasConstruction(index))
		return col == ColConstruction;
	const RM::RoomConstruction & rc = m_room->m_constructions[size_t(index.row())];
	// a type missing from the database: the row shows its id and the missing id only
	if (m_db->constructionType(rc.m_constructionId) == nullptr)
		return col <= ColConstruction;
	switch (rc.m_type) {
		case RM::RoomConstruction::Inside:
			return col <= ColArea || col == ColRsi;
		case RM::RoomConstruction::FixedTemperature:
			return col <= ColArea || (col >= ColRse && col <= ColOppositeT);
		default:
			if (col == ColOppositeT)
				return false;
			if (col == ColWindowArea || col == ColShading)
				return rc.m_windowId != 0;
			return true;
	}
}

Qt::ItemFlags ConstructionTableModel::flags(const QModelIndex & index) const {
	if (!index.isValid())
		return Qt::NoItemFlags;
	if (isCellActive(index) && index.column() >= ColConstruction)
		return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
	return Qt::ItemIsEnabled;
}

QString ConstructionTableModel::kindText(int kind) {
	switch (kind) {
		case RM::RoomConstruction::Outside:				return tr("Outside construction");
		case RM::RoomConstruction::Inside:				return tr("Inside construction");
		case RM::RoomConstruction::FixedTemperature:	return tr("Construction to fixed-temperature zone");
		default:										return QString();
	}
}

QString ConstructionTableModel::inclinationHint() {
	return tr("Surfaces with inclination angle < 45 degree are considered as horizontal surfaces.");
}

int ConstructionTableModel::kindColumnWidth(const QFontMetrics & fm) {
	int width = 150;
	for (int kind = RM::RoomConstruction::Outside; kind <= RM::RoomConstruction::FixedTemperature; ++kind)
		width = std::max(width, fm.horizontalAdvance(kindText(kind)) + 40);
	return width;
}

QString ConstructionTableModel::orientationText(double orientation) {
	if (!std::isfinite(orientation))
		return QString();
	double o = std::fmod(orientation, 360.0);
	if (o < 0)
		o += 360;
	static const char * const SECTORS[] = {
		QT_TR_NOOP("%L1 - North"), QT_TR_NOOP("%L1 - North-East"), QT_TR_NOOP("%L1 - East"),
		QT_TR_NOOP("%L1 - South-East"), QT_TR_NOOP("%L1 - South"), QT_TR_NOOP("%L1 - South-West"),
		QT_TR_NOOP("%L1 - West"), QT_TR_NOOP("%L1 - North-West")
	};
	// sector i covers [45 i - 22.5, 45 i + 22.5); the top of the last one wraps to North;
	// a stored angle outside 0..360 is shown as it is, with its sector
	const int sector = int(std::floor((o + 22.5) / 45.0)) % 8;
	return tr(SECTORS[sector]).arg(orientation);
}


double ConstructionTableModel::normalisedOrientation(double orientation) {
	double o = std::fmod(orientation, 360.0);
	if (o < 0)
		o += 360;
	// -1e-20 + 360 rounds to 360
	return o >= 360 ? 0 : o;
}

QVariant ConstructionTableModel::data(const QModelIndex & index, int role) const {
	if (!index.isValid() || !isCellActive(index))
		return QVariant();
	const int row = index.row();
	const int col = index.column();
	if (!hasConstruction(index)) {
		if (col == ColConstruction && (role == Qt::DisplayRole || role == Qt::EditRole))
			return RM::Database::noConstructionText();
		return QVariant();
	}
	const RM::RoomConstruction & rc = m_room->m_constructions[size_t(row)];
	if (m_db->constructionType(rc.m_constructionId) == nullptr)
		return missingTypeData(row, col, role);
	switch (role) {
		case Qt::DisplayRole:
			return displayData(row, col);
		case Qt::EditRole:
			return editData(row, col);
		case Qt::TextAlignmentRole:
			if (isRightAligned(col))
				return int(Qt::AlignRight | Qt::AlignVCenter);
			return QVariant();
		case Qt::DecorationRole:
			if (col == ColValid) {
				QString msg;
				return QIcon(rc.checkValidity(*m_db, msg) ? ":/gfx/ok_16x16.png" : ":/gfx/error_16x16.png");
			}
			return QVariant();
		case Qt::ToolTipRole:
			if (col == ColValid) {
				QString msg;
				if (!rc.checkValidity(*m_db, msg))
					return msg;
			}
			// the shading control's limits tell horizontal from vertical surfaces by this
			if (col == ColInclination)
				return inclinationHint();
			return QVariant();
		default:
			return QVariant();
	}
}

QVariant ConstructionTableModel::missingTypeData(int row, int col, int role) const {
	const unsigned int id = m_room->m_constructions[size_t(row)].m_constructionId;
	const bool warns = col == ColValid || col == ColConstruction;
	switch (role) {
		case Qt::DisplayRole:
			if (col == ColId)
				return QString("%1").arg(row);
			if (col == ColConstruction)
				return tr("<unknown construction type> [%1]").arg(id);
			return QVariant();
		case Qt::EditRole:
			return col == ColConstruction ? QVariant(id) : QVariant();
		case Qt::DecorationRole:
			return warns ? QVariant(QIcon(":/gfx/error_16x16.png")) : QVariant();
		case Qt::ToolTipRole:
			return warns ? QVariant(tr("The construction type with id %1 is not in the database. "
				"Choose another construction type, or import a database that holds it.").arg(id)) : QVariant();
		case Qt::TextAlignmentRole:
			return col == ColId ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
		default:
			return QVariant();
	}
}

QVariant ConstructionTableModel::displayData(int row, int col) const {
	const RM::RoomConstruction & rc = m_room->m_constructions[size_t(row)];
	switch (col) {
		case ColId:				return QString("%1").arg(row);
		case ColConstruction:	return m_db->constructionType(rc.m_constructionId)->name();
		case ColKind:			return kindText(rc.m_type);
		case ColArea:			return QString("%L1").arg(rc.m_AW + rc.m_AF, 0, 'f', 2);
		case ColOrientation:	return orientationText(rc.m_orientation);
		case ColInclination:	return inclinationText(rc.m_inclination);
		case ColWindow:
			return itemName(rc.m_windowId, m_db->windowType(rc.m_windowId), RM::Database::noWindowText(),
							tr("<unknown window type>"));
		case ColWindowArea:		return QString("%L1").arg(rc.m_AF, 0, 'f', 2);
		case ColShading:
			return itemName(rc.m_shadingTypeId, m_db->shadingType(rc.m_shadingTypeId), RM::Database::noShadingText(),
							tr("<unknown shading type>"));
		case ColAbsorption:		return QString("%L1").arg(rc.m_ad, 0, 'f', 2);
		case ColRse:			return QString("%L1").arg(rc.m_R_ue, 0, 'f', 3);
		case ColRsi:			return QString("%L1").arg(rc.m_R_ui, 0, 'f', 3);
		case ColOppositeT:		return editData(row, col);
		default:				return QVariant();
	}
}

QVariant ConstructionTableModel::editData(int row, int col) const {
	const RM::RoomConstruction & rc = m_room->m_constructions[size_t(row)];
	switch (col) {
		case ColConstruction:	return rc.m_constructionId;
		case ColKind:			return rc.m_type;
		case ColArea:			return rc.m_AW + rc.m_AF;
		case ColOrientation:	return rc.m_orientation;
		case ColInclination:	return rc.m_inclination;
		case ColWindow:			return rc.m_windowId;
		case ColWindowArea:		return rc.m_AF;
		case ColShading:		return rc.m_shadingTypeId;
		case ColAbsorption:		return rc.m_ad;
		case ColRse:			return rc.m_R_ue;
		case ColRsi:			return rc.m_R_ui;
		case ColOppositeT:
			if (rc.m_zoneTCCD.isValid())
				return QString::fromStdString(rc.m_zoneTCCD.str());
			return QString("%L1").arg(rc.m_zoneT - CELSIUS_OFFSET, 0, 'f', 2);
		default:				return QVariant();
	}
}

QVariant ConstructionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
	Q_UNUSED(orientation)
	struct Header { const char * text; const char * toolTip; };
	static const Header HEADERS[NumColumns] = {
		{ QT_TR_NOOP("Id"), nullptr },
		{ nullptr, nullptr },
		{ QT_TR_NOOP("Construction"), QT_TR_NOOP("<html><body><p>The construction type to be used. If the construction type is not selected the wall/roof is not considered in the simulation and all other construction inputs are disabled.</p></body></html>") },
		{ QT_TR_NOOP("Construction type"), QT_TR_NOOP("<html><body><p>The type of the construction; outside wall/roof, inside construction, wall to conditioned zone[m<sup>2</sup>].</p></body></html>") },
		{ QT_TR_NOOP("Area [m2]"), QT_TR_NOOP("<html><body><p>The total wall/roof area including the windows in [m<sup>2</sup>].</p></body></html>") },
		{ QT_TR_NOOP("Orientation [deg]"), QT_TR_NOOP("<html><body><p>The orientation of the wall/roof in degrees starting north with 0 degrees.</p></body></html>") },
		{ QT_TR_NOOP("Inclination [deg]"), QT_TR_NOOP("<html><body><p>The inclination of the construction in degrees: 0 - flat roof, 90 - wall.</p></body></html>") },
		{ QT_TR_NOOP("Window type"), QT_TR_NOOP("<html><body><p>The window type used in the construction (if any).</p></body></html>") },
		// the unclosed parenthesis is kept on purpose: the text is the program's own
		{ QT_TR_NOOP("Window area [m2]"), QT_TR_NOOP("<html><body><p>The total window area (the sum of the areas of all windows, if several windows are in the same wall.</p></body></html>") },
		{ QT_TR_NOOP("Shading type"), QT_TR_NOOP("<html><body><p>The type of shading used for the window.</p></body></html>") },
		{ QT_TR_NOOP("a"), QT_TR_NOOP("<html><body><p>Absorption coefficient for short wave radiation on outside surface.</p></body></html>") },
		{ QT_TR_NOOP("Rse [m2K/W]"), QT_TR_NOOP("<html><body><p>Surface heat transfer coefficient on outside (convective and radiative).</p></body></html>") },
		// "coefficient coefficient" is kept on purpose: the text is the program's own
		{ QT_TR_NOOP("Rsi [m2K/W]"), QT_TR_NOOP("<html><body><p>Surface heat transfer coefficient coefficient on room side (convective and radiative).</p></body></html>") },
		{ QT_TR_NOOP("Opposite room temperature [C]"), QT_TR_NOOP("<html><body><p>Temperature in room on the opposite side of this construction.</p></body></html>") }
	};
	if (section < 0 || section >= NumColumns)
		return QVariant();
	const Header & h = HEADERS[section];
	if (role == Qt::DisplayRole && h.text != nullptr)
		return tr(h.text);
	if (role == Qt::ToolTipRole && h.toolTip != nullptr)
		return tr(h.toolTip);
	return QVariant();
}

bool ConstructionTableModel::setData(const QModelIndex & index, const QVariant & value, int role) {
	if (!index.isValid())
		return false;
	const int row = index.row();
	if (row >= int(m_room->m_constructions.size())) {
		if (index.column() != ColConstruction)
			return false;
		return appendConstruction(row, value.toUInt());
	}
	if (role != Qt::EditRole)
		return false;
	if (!setConstructionValue(row, index.column(), value))
		return false;
	emit dataChanged(this->index(row, 0), this->index(row, NumColumns - 1));
	return true;
}

bool ConstructionTableModel::appendConstruction(int row, unsigned int id) {
	if (id == 0)
		return false;
	const int oldRows = rowCount();
	const int newRows = std::max(MIN_ROWS, row + 2);
	// a view only shows rows it was told about
	if (newRows > oldRows)
		beginInsertRows(QModelIndex(), oldRows, newRows - 1);
	m_room->m_constructions.resize(size_t(row) + 1, RM::RoomConstruction());
	if (newRows > oldRows)
		endInsertRows();
	// the row's own change is told by dataChanged below
	m_room->m_constructions[size_t(row)].m_constructionId = id;
	emit dataChanged(index(row, 0), index(row, NumColumns - 1));
	return true;
}

bool ConstructionTableModel::setConstructionValue(int row, int col, const QVariant & value) {
	RM::RoomConstruction & rc = m_room->m_constructions[size_t(row)];
	auto setDouble = [&value](double & member) {
		const double v = value.toDouble();
		if (v == member)
			return false;
		member = v;
		return true;
	};
	switch (col) {
		case ColConstruction: {
			const unsigned int id = value.toUInt();
			if (id == rc.m_constructionId)
				return false;
			// "No Construction" only takes the surface out of the run: area, orientation,
			// window and shading stay with the row and are back with the next type
			rc.m_constructionId = id;
			return true;
		}
		case ColKind: {
			const int kind = int(value.toUInt());
			if (kind == rc.m_type)
				return false;
			rc.m_type = kind;
			if (kind != RM::RoomConstruction::Outside)
				rc.m_AF = 0;
			return true;
		}
		case ColArea: {
			const double a = value.toDouble();
			if (a < rc.m_AF) {
				rc.m_AF = a;
				rc.m_AW = 0;
				return true;
			}
			if (a - rc.m_AF == rc.m_AW)
				return false;
			rc.m_AW = a - rc.m_AF;
			return true;
		}
		case ColOrientation: {
			// the angle is stored as the compass reads it
			const double o = normalisedOrientation(value.toDouble());
			if (o == rc.m_orientation)
				return false;
			rc.m_orientation = o;
			return true;
		}
		case ColInclination:
			// the run refuses what the model cannot simulate: so does the entry
			if (!RM::inRange(value.toDouble(), RM::INCLINATION))
				return false;
			return setDouble(rc.m_inclination);
		case ColAbsorption:		return setDouble(rc.m_ad);
		case ColRse:			return setDouble(rc.m_R_ue);
		case ColRsi:			return setDouble(rc.m_R_ui);
		case ColWindow: {
			const unsigned int id = value.toUInt();
			if (id == rc.m_windowId)
				return false;
			if (id == 0) {
				rc.m_AW += rc.m_AF;
				rc.m_AF = 0;
			}
			rc.m_windowId = id;
			return true;
		}
		case ColWindowArea: {
			const double w = value.toDouble();
			const double total = rc.m_AW + rc.m_AF;
			if (w > total) {
				rc.m_AW = 0;
				rc.m_AF = w;
				return true;
			}
			if (w == rc.m_AF)
				return false;
			rc.m_AF = w;
			rc.m_AW = total - w;
			return true;
		}
		case ColShading: {
			const unsigned int id = value.toUInt();
			if (id == rc.m_shadingTypeId)
				return false;
			rc.m_shadingTypeId = id;
			return true;
		}
		case ColOppositeT:
			return setOppositeTemperature(row, value.toString());
		default:
			return false;
	}
}

bool ConstructionTableModel::setOppositeTemperature(int row, const QString & s) {
	RM::RoomConstruction & rc = m_room->m_constructions[size_t(row)];
	double celsius = 0;
	// numbers as everywhere else: the locale first, then '.' as decimal point
	const QtExt::UserNumberStatus status = QtExt::parseUserNumber(s, celsius);
	if (status == QtExt::UserNumberStatus::Valid && !RM::inRange(celsius, RM::TEMPERATURE)) {
		QMessageBox::critical(nullptr, tr("Invalid input"),
			tr("The opposite room temperature must be a value from %L1 to %L2 C.").arg(RM::TEMPERATURE.m_min).arg(RM::TEMPERATURE.m_max));
		return false;
	}
	if (status == QtExt::UserNumberStatus::Valid) {
		const double t = celsius + CELSIUS_OFFSET;
		if (t == rc.m_zoneT && !rc.m_zoneTCCD.isValid())
			return false;
		rc.m_zoneT = t;
		rc.m_zoneTCCD = BVX::Path();
		return true;
	}
	if (status == QtExt::UserNumberStatus::AmbiguousGrouping) {
		QMessageBox::critical(nullptr, tr("Invalid input"), QtExt::ambiguousGroupingMessage(s));
		return false;
	}
	const BVX::Path entered(s.toStdString());
	QString shownPath = s;
	if (!s.trimmed().isEmpty()) {
		BVX::Path resolved = entered;
		if (!m_room->m_projectFilePath.isEmpty() && !entered.isAbsolute()) {
			resolved = BVX::Path(m_room->m_projectFilePath.toStdString()).parentPath();
			resolved /= s.toStdString();
		}
		if (resolved.exists()) {
			rc.m_zoneTCCD = entered;
			return true;
		}
		shownPath = QString::fromStdString(resolved.str());
	}
	QMessageBox::critical(nullptr, tr("Invalid input"),
		tr("'%1' is neither a temperature nor an existing climate data file (looked for '%2').")
			.arg(s, shownPath));
	return false;
}

void ConstructionTableModel::resetModel() {
	beginResetModel();
	endResetModel();
}
