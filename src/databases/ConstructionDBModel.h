#ifndef ConstructionDBModelH
#define ConstructionDBModelH

#include "DBTableModel.h"

/*! Table of the construction types: id, validity, name, layer count, U-value. */
class ConstructionDBModel : public DBTableModel {
	Q_OBJECT
public:
	ConstructionDBModel(QObject * parent, RM::Database * db);

protected:
	int itemCount() const override;
	const RM::AbstractDatabaseItem * itemAt(int row) const override;
	bool itemValid(int row) const override;
	QStringList invalidReasons(int row) const override;
	QString cellText(int row, int column) const override;
	QString headerText(int column) const override;
	int columns() const override { return 5; }
	unsigned int createItem() override;
	void eraseItem(unsigned int id) override;
	bool dependsOn(RM::Database::Table table) const override { return table == RM::Database::T_Materials; }
};

#endif // ConstructionDBModelH
