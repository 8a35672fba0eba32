#ifndef ToolButtonHelpersH
#define ToolButtonHelpersH

class QString;
class QToolButton;

/*! Gives a tool button the icon of a resource path at 32 x 32, auto-raise and a tool tip.
	Shared by the button bar and the database pages. */
void setToolButtonIconAndToolTip(QToolButton * button, const QString & iconPath, const QString & toolTip);

#endif // ToolButtonHelpersH
