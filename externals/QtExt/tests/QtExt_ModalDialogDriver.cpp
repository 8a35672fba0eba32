#include "QtExt_ModalDialogDriver.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>

ModalDialogDriver::ModalDialogDriver() {
	connect(&m_timer, &QTimer::timeout, this, &ModalDialogDriver::poll);
	m_timer.start(10);
}


void ModalDialogDriver::addStep(Match match, Action action) {
	m_steps.emplace_back(match, action);
}


void ModalDialogDriver::expectMessageBox(QString & title, QString & text) {
	addStep([](QWidget * w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
			[&title, &text](QWidget * w) {
				QMessageBox * box = qobject_cast<QMessageBox *>(w);
				title = box->windowTitle();
				text = box->text();
				box->done(QMessageBox::Ok);
			});
}


void ModalDialogDriver::closeDialog(const QString & objectName, Action action) {
	addStep([objectName](QWidget * w) { return w->objectName() == objectName; },
			[action](QWidget * w) {
				if (action)
					action(w);
				if (QDialog * dlg = qobject_cast<QDialog *>(w))
					dlg->reject();
				else
					w->close();
			});
}


void ModalDialogDriver::poll() {
	if (m_steps.empty())
		return;
	QWidget * w = QApplication::activeModalWidget();
	if (w == nullptr || !w->isVisible() || !m_steps.front().first(w))
		return;
	Action action = m_steps.front().second;
	m_steps.pop_front();
	action(w);
}


bool ModalDialogDriver::waitDone(int timeoutMs) {
	return waitFor([this]() { return done(); }, timeoutMs);
}


bool waitFor(const std::function<bool()> & condition, int timeoutMs) {
	QElapsedTimer timer;
	timer.start();
	while (!condition()) {
		if (timer.elapsed() > timeoutMs)
			return false;
		QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
		QThread::msleep(2);
	}
	return true;
}
