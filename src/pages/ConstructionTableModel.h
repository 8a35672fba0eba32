#ifndef ConstructionTableModelH
#define ConstructionTableModelH

#include <QAbstractTableModel>

class QFontMetrics;

namespace RM {
class Database;
class Room;
}

/*! Shows and edits the room's construction list in place: one row per construction and
	empty rows below for adding. Holds no copy of the room; every query reads it. */
class ConstructionTableModel : public QAbstractTableModel {
	Q_OBJECT
public:
	enum Column {
		ColId, ColValid, ColConstruction, ColKind, ColArea, ColOrientation, ColInclination,
		ColWindow, ColWindowArea, ColShading, ColAbsorption, ColRse, ColRsi, ColOppositeT,
		NumColumns
	};

	ConstructionTableModel(QObject * parent, RM::Room * room, RM::Database * db);

	int rowCount(const QModelIndex & parent = QModelIndex()) const override;
	int columnCount(const QModelIndex & parent = QModelIndex()) const override;
	QVariant data(const QModelIndex & index, int role) const override;
	QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
	Qt::ItemFlags flags(const QModelIndex & index) const override;
	bool setData(const QModelIndex & index, const QVariant & value, int role) override;

	/*! Whether the column applies to the kind of the row's construction. */
	bool isCellActive(const QModelIndex & index) const;
	/*! The row is a construction with a construction type id other than 0. */
	bool hasConstruction(const QModelIndex & index) const;
	void resetModel();

	/*! Text of an orientation with its compass sector; [337.5, 360) counts as North. An angle
		outside 0..360 is shown as it is. */
	static QString orientationText(double orientation);
	/*! The angle brought into [0, 360). */
	static double normalisedOrientation(double orientation);
	static QString kindText(int kind);
	/*! Which inclinations count as horizontal (tool tip of the inclination cells and editor). */
	static QString inclinationHint();
	/*! Width of the kind column: its longest text with the editor's arrow, at least 150. */
	static int kindColumnWidth(const QFontMetrics & fm);

private:
	/*! A row whose construction type is not in the database: its id, the missing id, a warning. */
	QVariant missingTypeData(int row, int col, int role) const;
	QVariant displayData(int row, int col) const;
	QVariant editData(int row, int col) const;
	bool setConstructionValue(int row, int col, const QVariant & value);
	bool setOppositeTemperature(int row, const QString & s);
	bool appendConstruction(int row, unsigned int id);

	RM::Database *	m_db;
	RM::Room *		m_room;
};

#endif // ConstructionTableModelH
