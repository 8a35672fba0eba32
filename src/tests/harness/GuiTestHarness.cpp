#include "GuiTestHarness.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <QAbstractButton>
#include <QAbstractItemView>
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

namespace {

/*! A file selected in the list (the dialog's initial selection) would win over the typed name,
	or join it. */
void clearFileSelection(QFileDialog * dlg) {
	for (QAbstractItemView * view : dlg->findChildren<QAbstractItemView *>())
		if (view->selectionModel() != nullptr)
			view->clearSelection();
}

} // namespace

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


void typeKeys(QWidget * w, const QString & text) {
	for (const QChar c : text) {
		if (c.unicode() < 128)
			QTest::keyClick(w, c.toLatin1());
		else
			QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
	}
}


void typeAndReturn(QLineEdit * edit, const QString & text) {
	edit->setFocus();
	edit->selectAll();
	QTest::keyClick(edit, Qt::Key_Backspace);
	typeKeys(edit, text);
	QTest::keyClick(edit, Qt::Key_Return);
}


void controlKey(QWidget * w, Qt::Key letter) {
	const QString text(QChar(ushort(letter - Qt::Key_A + 1)));
	QTest::sendKeyEvent(QTest::Click, w, letter, text, Qt::ControlModifier);
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


void ModalDialogDriver::handleClass(const QString & className, const Action & action) {
	m_classActions[className] = action;
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

	const auto handler = m_classActions.find(seen.m_className);
	if (handler != m_classActions.end()) {
		if (handler->second)
			handler->second(w);
		return;
	}
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
		if (btn != nullptr) {
			btn->click();
			return;
		}
		// the test expected another dialog than this one
		ADD_FAILURE() << "no button " << int(button) << " in the dialog '" << w->windowTitle().toStdString() << "'";
		w->close();
	};
}


ModalDialogDriver::Action ModalDialogDriver::pressButton(const QString & text) {
	return [text](QWidget * w) {
		for (QAbstractButton * btn : w->findChildren<QAbstractButton *>())
			if (btn->text() == text && btn->isVisible()) {
				btn->click();
				return;
			}
		ADD_FAILURE() << "no button '" << text.toStdString() << "' in the dialog '" << w->windowTitle().toStdString() << "'";
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
		// first: a name typed beside a selected file is added to the selection
		clearFileSelection(dlg);
		edit->setText(QFileInfo(path).fileName());
		clearFileSelection(dlg);
		static_cast<QDialog *>(dlg)->accept();
	};
}


ModalDialogDriver::Action ModalDialogDriver::typeFileName(const QString & path) {
	return [path](QWidget * w) {
		QFileDialog * dlg = qobject_cast<QFileDialog *>(w);
		QLineEdit * edit = dlg != nullptr ? dlg->findChild<QLineEdit *>("fileNameEdit") : nullptr;
		QDialogButtonBox * buttons = dlg != nullptr ? dlg->findChild<QDialogButtonBox *>("buttonBox") : nullptr;
		QPushButton * acceptButton = nullptr;
		if (buttons != nullptr)
			for (QAbstractButton * b : buttons->buttons())
				if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
					acceptButton = qobject_cast<QPushButton *>(b);
		if (edit == nullptr || acceptButton == nullptr) {
			w->close();
			return;
		}
		dlg->setDirectory(QFileInfo(path).absolutePath());
		clearFileSelection(dlg);
		edit->selectAll();
		QTest::keyClick(edit, Qt::Key_Backspace);
		QTest::keyClicks(edit, QFileInfo(path).fileName());
		// posted: a question of the dialog runs outside this action, where the driver sees it
		QTimer::singleShot(0, acceptButton, [dlg, acceptButton]() {
			clearFileSelection(dlg);
			acceptButton->click();
		});
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
