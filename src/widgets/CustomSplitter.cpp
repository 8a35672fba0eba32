#include "CustomSplitter.h"

#include "CustomSplitterHandle.h"

CustomSplitter::CustomSplitter(QWidget * parent) :
	QSplitter(Qt::Vertical, parent)
{
}


QSplitterHandle * CustomSplitter::createHandle() {
	return new CustomSplitterHandle(Qt::Vertical, this);
}
