#ifndef CustomSplitterHandleH
#define CustomSplitterHandleH

#include <QSplitterHandle>

/*! Splitter handle painted as a bar, darker in its middle line, with a small grip. */
class CustomSplitterHandle : public QSplitterHandle {
	Q_OBJECT
public:
	CustomSplitterHandle(Qt::Orientation orientation, QSplitter * parent);

protected:
	void paintEvent(QPaintEvent * event) override;
};

#endif // CustomSplitterHandleH
