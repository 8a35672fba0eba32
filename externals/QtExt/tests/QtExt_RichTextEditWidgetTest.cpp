#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFocusEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QTimer>

#include <QtExt_RichTextEditWidget.h>
#include <QtExt_SignalingTextEdit.h>

using QtExt::RichTextEditWidget;

namespace {

class RichTextEditTest : public ::testing::Test {
protected:
	RichTextEditTest() { m_edit = m_widget.textEdit(); }

	void select(int from, int to) {
		QTextCursor c(m_edit->document());
		c.setPosition(from);
		c.setPosition(to, QTextCursor::KeepAnchor);
		m_edit->setTextCursor(c);
	}
	void placeCursor(int pos) { select(pos, pos); }
	QTextCharFormat formatAt(int pos) {
		QTextCursor c(m_edit->document());
		c.setPosition(pos + 1);		// the format of the character before the cursor
		return c.charFormat();
	}
	QTextList * listAtCursor() { return m_edit->textCursor().currentList(); }

	RichTextEditWidget			m_widget;
	QtExt::SignalingTextEdit *	m_edit;
};

} // namespace


TEST_F(RichTextEditTest, characterFormatsMergeIntoSelectionOrWord) {
	m_edit->setPlainText("hello brave world");
	// a selection across two words
	select(2, 8);
	m_widget.action(RichTextEditWidget::Bold)->trigger();
	EXPECT_EQ(formatAt(1).fontWeight(), QFont::Normal);
	EXPECT_EQ(formatAt(2).fontWeight(), QFont::Bold);
	EXPECT_EQ(formatAt(7).fontWeight(), QFont::Bold);
	EXPECT_EQ(formatAt(8).fontWeight(), QFont::Normal);

	// no selection: the word under the cursor, only that word
	placeCursor(14);
	m_widget.action(RichTextEditWidget::Italic)->trigger();
	for (int pos : { 12, 16 })
		EXPECT_TRUE(formatAt(pos).fontItalic()) << pos;
	for (int pos : { 0, 6, 10 })
		EXPECT_FALSE(formatAt(pos).fontItalic()) << pos;
	placeCursor(1);
	m_widget.action(RichTextEditWidget::Underline)->trigger();
	EXPECT_TRUE(formatAt(0).fontUnderline());
	EXPECT_FALSE(formatAt(6).fontUnderline());

	// toggling off again
	select(2, 8);
	m_widget.action(RichTextEditWidget::Bold)->setChecked(true);
	m_widget.action(RichTextEditWidget::Bold)->trigger();
	EXPECT_EQ(formatAt(3).fontWeight(), QFont::Normal);

	placeCursor(8);
	m_widget.textSize("17");
	EXPECT_EQ(formatAt(8).fontPointSize(), 17.0);
	m_widget.textSize("0");
	m_widget.textSize("abc");
	EXPECT_EQ(formatAt(8).fontPointSize(), 17.0);
	m_widget.textFamily("DejaVu Serif");
	EXPECT_EQ(formatAt(8).fontFamily(), QString("DejaVu Serif"));
	EXPECT_NE(formatAt(0).fontFamily(), QString("DejaVu Serif"));
}


TEST_F(RichTextEditTest, listStyles) {
	struct Case { int index; QTextListFormat::Style style; };
	const Case cases[] = {
		{ 1, QTextListFormat::ListDisc }, { 2, QTextListFormat::ListCircle },
		{ 3, QTextListFormat::ListSquare }, { 4, QTextListFormat::ListDecimal },
		{ 5, QTextListFormat::ListLowerAlpha }, { 6, QTextListFormat::ListUpperAlpha },
		{ 7, QTextListFormat::ListLowerRoman }, { 8, QTextListFormat::ListUpperRoman },
		{ 9, QTextListFormat::ListDisc }, { -2, QTextListFormat::ListDisc },
	};
	for (const Case & c : cases) {
		m_edit->setPlainText("first\nsecond");
		placeCursor(8);
		m_widget.textStyle(c.index);
		QTextList * list = listAtCursor();
		ASSERT_NE(list, nullptr) << c.index;
		EXPECT_EQ(list->format().style(), c.style) << c.index;
		EXPECT_EQ(list->count(), 1) << c.index;
		EXPECT_EQ(m_edit->document()->firstBlock().textList(), nullptr) << c.index;

		// a second style on a listed block keeps the list's indent
		const int indent = list->format().indent();
		m_widget.textStyle(4);
		ASSERT_NE(listAtCursor(), nullptr);
		EXPECT_EQ(listAtCursor()->format().indent(), indent) << c.index;
		EXPECT_EQ(listAtCursor()->format().style(), QTextListFormat::ListDecimal) << c.index;

		m_widget.textStyle(0);
		EXPECT_EQ(listAtCursor(), nullptr) << c.index;
	}
}


TEST_F(RichTextEditTest, oneUndoRemovesANewList) {
	m_edit->setPlainText("item");
	m_edit->document()->clearUndoRedoStacks();
	placeCursor(2);
	m_widget.textStyle(3);
	ASSERT_NE(listAtCursor(), nullptr);
	EXPECT_TRUE(m_widget.action(RichTextEditWidget::Undo)->isEnabled());
	m_widget.undo();
	EXPECT_EQ(m_edit->document()->firstBlock().textList(), nullptr);
	EXPECT_EQ(m_edit->document()->firstBlock().blockFormat().indent(), 0);
	m_widget.redo();
	EXPECT_NE(m_edit->document()->firstBlock().textList(), nullptr);
}


TEST_F(RichTextEditTest, alignmentActionsFollowTheCursor) {
	m_edit->setPlainText("left\ncentre\nright\njustified");
	struct Case { int pos; RichTextEditWidget::ActionId action; Qt::Alignment expected; };
	const Case cases[] = {
		{ 7, RichTextEditWidget::AlignCenter, Qt::AlignHCenter },
		{ 13, RichTextEditWidget::AlignRight, Qt::AlignRight | Qt::AlignAbsolute },
		{ 20, RichTextEditWidget::AlignJustify, Qt::AlignJustify },
		{ 1, RichTextEditWidget::AlignLeft, Qt::AlignLeft | Qt::AlignAbsolute },
	};
	for (const Case & c : cases) {
		placeCursor(c.pos);
		m_widget.action(c.action)->trigger();
		EXPECT_EQ(m_edit->alignment(), c.expected) << c.pos;
	}
	// moving the cursor through the paragraphs checks their action
	for (const Case & c : cases) {
		placeCursor(0);
		placeCursor(c.pos);
		EXPECT_TRUE(m_widget.action(c.action)->isChecked()) << c.pos;
	}
	// a foreign action is ignored
	QAction other("other", nullptr);
	placeCursor(7);
	m_widget.textAlign(&other);
	EXPECT_EQ(m_edit->alignment(), Qt::AlignHCenter);
}


TEST_F(RichTextEditTest, formatChangeUpdatesControls) {
	m_edit->setPlainText("text");
	placeCursor(2);
	QTextCharFormat fmt;
	fmt.setFontFamily("DejaVu Serif");
	fmt.setFontPointSize(14);
	fmt.setFontWeight(QFont::Bold);
	fmt.setFontItalic(true);
	fmt.setForeground(QColor(Qt::blue));
	m_edit->mergeCurrentCharFormat(fmt);

	auto * family = m_widget.findChild<QComboBox *>("comboBoxFamily");
	auto * size = m_widget.findChild<QComboBox *>("comboBoxSize");
	ASSERT_TRUE(family && size);
	EXPECT_EQ(family->currentText(), QString("DejaVu Serif"));
	EXPECT_EQ(size->currentText(), QString("14"));
	EXPECT_TRUE(m_widget.action(RichTextEditWidget::Bold)->isChecked());
	EXPECT_TRUE(m_widget.action(RichTextEditWidget::Italic)->isChecked());
	EXPECT_FALSE(m_widget.action(RichTextEditWidget::Underline)->isChecked());
	const QImage icon = m_widget.action(RichTextEditWidget::Color)->icon().pixmap(16, 16).toImage();
	EXPECT_EQ(QColor(icon.pixel(8, 8)), QColor(Qt::blue));

	QTextCharFormat plain;
	plain.setFontWeight(QFont::Normal);
	plain.setFontUnderline(true);
	m_edit->mergeCurrentCharFormat(plain);
	EXPECT_FALSE(m_widget.action(RichTextEditWidget::Bold)->isChecked());
	EXPECT_TRUE(m_widget.action(RichTextEditWidget::Underline)->isChecked());
}


TEST_F(RichTextEditTest, toHtmlGivesTheBodyContentOnly) {
	m_widget.setHtml("<p>first <b>bold</b></p><p>second</p>");
	const QString html = m_widget.toHtml();
	for (const char * tag : { "<html", "<head", "<body", "</body>", "</html>", "<!DOCTYPE" })
		EXPECT_FALSE(html.contains(tag, Qt::CaseInsensitive)) << tag;
	EXPECT_TRUE(html.contains("first"));
	EXPECT_TRUE(html.contains("second"));
	EXPECT_TRUE(html.contains("font-weight:600") || html.contains("font-weight:700")) << html.toStdString();

	// what comes back reads as the same document
	RichTextEditWidget other;
	other.setHtml(html);
	EXPECT_EQ(other.textEdit()->toPlainText(), m_edit->toPlainText());
}


TEST_F(RichTextEditTest, pasteFollowsTheClipboard) {
	QClipboard * clipboard = QApplication::clipboard();
	clipboard->setMimeData(new QMimeData);
	EXPECT_FALSE(m_widget.action(RichTextEditWidget::Paste)->isEnabled());
	clipboard->setText("pasted");
	EXPECT_TRUE(m_widget.action(RichTextEditWidget::Paste)->isEnabled());

	m_edit->setPlainText("x");
	placeCursor(1);
	m_widget.action(RichTextEditWidget::Paste)->trigger();
	EXPECT_EQ(m_edit->toPlainText(), QString("xpasted"));
	clipboard->clear();
}


TEST_F(RichTextEditTest, cancelledColourDialogChangesNothing) {
	m_edit->setPlainText("colour");
	placeCursor(3);
	const QColor before = formatAt(2).foreground().color();
	const qint64 iconKey = m_widget.action(RichTextEditWidget::Color)->icon().cacheKey();

	bool dialogSeen = false;
	QTimer timer;
	timer.setInterval(10);
	QObject::connect(&timer, &QTimer::timeout, [&]() {
		if (auto * dlg = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
			dialogSeen = true;
			dlg->reject();
		}
	});
	timer.start();
	m_widget.action(RichTextEditWidget::Color)->trigger();
	timer.stop();

	EXPECT_TRUE(dialogSeen);
	EXPECT_EQ(formatAt(2).foreground().color(), before);
	EXPECT_EQ(m_widget.action(RichTextEditWidget::Color)->icon().cacheKey(), iconKey);
}


TEST_F(RichTextEditTest, editingFinishedWhenFocusLeavesAfterAChange) {
	QSignalSpy spy(&m_widget, &RichTextEditWidget::editingFinished);
	QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
	m_edit->document()->setModified(false);
	QApplication::sendEvent(m_edit, &out);
	const int initial = spy.count();		// setting up the editor may count as a change

	QApplication::sendEvent(m_edit, &out);
	EXPECT_EQ(spy.count(), initial);

	m_edit->insertPlainText("typed");
	QApplication::sendEvent(m_edit, &out);
	EXPECT_EQ(spy.count(), initial + 1);
	QApplication::sendEvent(m_edit, &out);
	EXPECT_EQ(spy.count(), initial + 1);
}
