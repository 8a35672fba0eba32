#include "ToolButtonHelpers.h"

#include <QIcon>
#include <QToolButton>

void setToolButtonIconAndToolTip(QToolButton * button, const QString & iconPath, const QString & toolTip) {
	button->setIcon(QIcon(iconPath));
	button->setIconSize(QSize(32, 32));
	button->setAutoRaise(true);
	button->setToolTip(toolTip);
}
