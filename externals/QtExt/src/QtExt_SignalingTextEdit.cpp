#include "QtExt_SignalingTextEdit.h"

namespace QtExt {

SignalingTextEdit::SignalingTextEdit(QWidget * parent) :
	QTextEdit(parent)
{
	connect(this, &QTextEdit::textChanged, this, [this]() { m_changed = true; });
}


void SignalingTextEdit::focusOutEvent(QFocusEvent * event) {
	QTextEdit::focusOutEvent(event);
	if (m_changed) {
		m_changed = false;
		emit editingFinished();
	}
}

} // namespace QtExt
