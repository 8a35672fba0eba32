#include "GuiTestHarness.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

namespace GuiTest {

QString homeDir() {
	return QString::fromLocal8Bit(qgetenv("HOME"));
}


void clearSettings() {
	QSettings settings("BVX", "Caldoryne 3.2");
	settings.clear();
	settings.sync();
}


QString sourceDir() {
	return CALDORYNE_SOURCE_DIR;
}


QByteArray readBytes(const QString & path) {
	QFile f(path);
	return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}


bool writeBytes(const QString & path, const QByteArray & data) {
	QFile f(path);
	return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}


void typeAndReturn(QLineEdit * edit, const QString & text) {
	edit->setFocus();
	edit->selectAll();
	QTest::keyClick(edit, Qt::Key_Backspace);
	QTest::keyClicks(edit, text);
	QTest::keyClick(edit, Qt::Key_Return);
}


void wheelNotch(QWidget * w, int direction) {
	const QPoint local = w->rect().center();
	QWidget * target = w->childAt(local);
	if (target == nullptr)
		target = w;
	QWheelEvent event(QPointF(target->mapFrom(w, local)), QPointF(w->mapToGlobal(local)), QPoint(),
					  QPoint(0, 120*direction), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
	// only a spontaneous event takes the application's path of wheel focus and propagation;
	// sendEvent() would clear the flag
	QSpontaneKeyEvent::setSpontaneous(&event);
	qApp->notify(target, &event);
}


ModalDialogDriver::ModalDialogDriver() {
	connect(&m_timer, &QTimer::timeout, this, &ModalDialogDriver::poll);
	m_timer.start(20);
}


ModalDialogDriver::~ModalDialogDriver() {
	m_timer.stop();
}


void ModalDialogDriver::add(const Action & action) {
	m_actions.push_back(action);
}


void ModalDialogDriver::poll() {
	QWidget * w = QApplication::activeModalWidget();
	if (w == nullptr || !w->isVisible() || w->property("modalDialogDriverSeen").toBool())
		return;
	w->setProperty("modalDialogDriverSeen", true);
	w->installEventFilter(this);
	Seen seen;
	seen.m_className = w->metaObject()->className();
	seen.m_title = w->windowTitle();
	if (QMessageBox * box = qobject_cast<QMessageBox *>(w))
		seen.m_text = box->text();
	m_seen.push_back(seen);

	Action action = m_fallback ? m_fallback : reject();
	if (!m_actions.empty()) {
		action = m_actions.front();
		m_actions.pop_front();
	}
	action(w);
}


bool ModalDialogDriver::eventFilter(QObject * watched, QEvent * event) {
	if (event->type() == QEvent::Hide) {
		watched->setProperty("modalDialogDriverSeen", false);
		watched->removeEventFilter(this);
	}
	return false;
}


ModalDialogDriver::Action ModalDialogDriver::press(QDialogButtonBox::StandardButton button) {
	return [button](QWidget * w) {
		QAbstractButton * btn = nullptr;
		if (QMessageBox * box = qobject_cast<QMessageBox *>(w))
			btn = box->button(QMessageBox::StandardButton(button));
		else if (QDialogButtonBox * buttons = w->findChild<QDialogButtonBox *>())
			btn = buttons->button(button);
		if (btn != nullptr)
			btn->click();
		else
			w->close();
	};
}


ModalDialogDriver::Action ModalDialogDriver::chooseFile(const QString & path) {
	return [path](QWidget * w) {
		QFileDialog * dlg = qobject_cast<QFileDialog *>(w);
		QLineEdit * edit = dlg != nullptr ? dlg->findChild<QLineEdit *>("fileNameEdit") : nullptr;
		if (edit == nullptr) {
			w->close();
			return;
		}
		dlg->setOption(QFileDialog::DontConfirmOverwrite);
		dlg->setDirectory(QFileInfo(path).absolutePath());
		edit->setText(QFileInfo(path).fileName());
		static_cast<QDialog *>(dlg)->accept();
	};
}


ModalDialogDriver::Action ModalDialogDriver::accept() {
	return [](QWidget * w) {
		if (QDialog * dlg = qobject_cast<QDialog *>(w))
			dlg->accept();
		else
			w->close();
	};
}


ModalDialogDriver::Action ModalDialogDriver::reject() {
	return [](QWidget * w) {
		if (QDialog * dlg = qobject_cast<QDialog *>(w))
			dlg->reject();
		else
			w->close();
	};
}


ModalDialogDriver::Action ModalDialogDriver::inspectThen(const std::function<void(QWidget *)> & inspect,
														 const Action & action)
{
	return [inspect, action](QWidget * w) {
		inspect(w);
		action(w);
	};
}

} // namespace GuiTest
