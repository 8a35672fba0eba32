#ifndef MaterialDBModelH
#define MaterialDBModelH

#include "DBTableModel.h"

/*! Table of the materials: id, validity, name, category, rho, cT, lambda, mu, w80, wsat. */
class MaterialDBModel : public DBTableModel {
	Q_OBJECT
public:
	MaterialDBModel(QObject * parent, RM::Database * db);

protected:
	int itemCount() const override;
	const RM::AbstractDatabaseItem * itemAt(int row) const override;
	bool itemValid(int row) const override;
	QStringList invalidReasons(int row) const override;
	QString cellText(int row, int column) const override;
	QString headerText(int column) const override;
	int columns() const override { return 10; }
	bool rightAligned(int column) const override { return column >= 4; }
	bool textColumn(int column) const override { return column == 2 || column == 3; }
	unsigned int createItem() override;
	void eraseItem(unsigned int id) override;
};

#endif // MaterialDBModelH
