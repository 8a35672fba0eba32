#ifndef CustomSplitterH
#define CustomSplitterH

#include <QSplitter>

/*! Vertical splitter between the input pages and the results, with a shaded handle. */
class CustomSplitter : public QSplitter {
	Q_OBJECT
public:
	explicit CustomSplitter(QWidget * parent);

protected:
	QSplitterHandle * createHandle() override;
};

#endif // CustomSplitterH
