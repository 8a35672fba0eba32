#include "QtExt_RichTextEditWidget.h"
#include "ui_QtExt_RichTextEditWidget.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMimeData>
#include <QPixmap>
#include <QTextCursor>
#include <QTextList>
#include <QToolBar>

namespace QtExt {

RichTextEditWidget::RichTextEditWidget(QWidget * parent) :
	QWidget(parent),
	m_ui(new Ui::RichTextEditWidget),
	m_toolBar(new QToolBar(this)),
	m_alignGroup(new QActionGroup(this))
{
	m_ui->setupUi(this);
	m_ui->verticalLayout->insertWidget(0, m_toolBar);

	m_toolBar->addAction(m_ui->actionUndo);
	m_toolBar->addAction(m_ui->actionRedo);
	m_toolBar->addSeparator();
	m_toolBar->addAction(m_ui->actionCut);
	m_toolBar->addAction(m_ui->actionCopy);
	m_toolBar->addAction(m_ui->actionPaste);
	m_toolBar->addSeparator();
	m_toolBar->addAction(m_ui->actionTextBold);
	m_toolBar->addAction(m_ui->actionTextItalic);
	m_toolBar->addAction(m_ui->actionTextUnderline);
	m_toolBar->addAction(m_ui->actionTextColor);
	m_toolBar->addSeparator();
	for (QAction * a : { m_ui->actionAlignLeft, m_ui->actionAlignCenter, m_ui->actionAlignRight,
						 m_ui->actionAlignJustify })
	{
		m_alignGroup->addAction(a);
		m_toolBar->addAction(a);
	}

	QFont bold;
	bold.setBold(true);
	m_ui->actionTextBold->setFont(bold);
	QFont italic;
	italic.setItalic(true);
	m_ui->actionTextItalic->setFont(italic);
	QFont underline;
	underline.setUnderline(true);
	m_ui->actionTextUnderline->setFont(underline);

	m_ui->comboBoxFamily->addItems(QFontDatabase().families());
	for (int size : QFontDatabase::standardSizes())
		m_ui->comboBoxSize->addItem(QString::number(size));

	SignalingTextEdit * edit = m_ui->textEdit;
	connect(m_ui->actionTextBold, &QAction::triggered, this, &RichTextEditWidget::textBold);
	connect(m_ui->actionTextItalic, &QAction::triggered, this, &RichTextEditWidget::textItalic);
	connect(m_ui->actionTextUnderline, &QAction::triggered, this, &RichTextEditWidget::textUnderline);
	connect(m_ui->actionTextColor, &QAction::triggered, this, &RichTextEditWidget::textColor);
	connect(m_alignGroup, &QActionGroup::triggered, this, &RichTextEditWidget::textAlign);
	connect(m_ui->actionUndo, &QAction::triggered, this, &RichTextEditWidget::undo);
	connect(m_ui->actionRedo, &QAction::triggered, this, &RichTextEditWidget::redo);
	connect(m_ui->actionCut, &QAction::triggered, this, &RichTextEditWidget::cut);
	connect(m_ui->actionCopy, &QAction::triggered, this, &RichTextEditWidget::copy);
	connect(m_ui->actionPaste, &QAction::triggered, this, &RichTextEditWidget::paste);
	connect(m_ui->comboBoxStyle, QOverload<int>::of(&QComboBox::activated), this, &RichTextEditWidget::textStyle);
	connect(m_ui->comboBoxFamily, &QComboBox::textActivated, this, &RichTextEditWidget::textFamily);
	connect(m_ui->comboBoxSize, &QComboBox::textActivated, this, &RichTextEditWidget::textSize);

	connect(edit, &QTextEdit::currentCharFormatChanged, this, &RichTextEditWidget::currentCharFormatChanged);
	connect(edit, &QTextEdit::cursorPositionChanged, this, &RichTextEditWidget::cursorPositionChanged);
	connect(edit, &QTextEdit::undoAvailable, m_ui->actionUndo, &QAction::setEnabled);
	connect(edit, &QTextEdit::redoAvailable, m_ui->actionRedo, &QAction::setEnabled);
	connect(edit, &QTextEdit::copyAvailable, m_ui->actionCut, &QAction::setEnabled);
	connect(edit, &QTextEdit::copyAvailable, m_ui->actionCopy, &QAction::setEnabled);
	connect(edit, &SignalingTextEdit::editingFinished, this, &RichTextEditWidget::editingFinished);
	connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &RichTextEditWidget::clipboardDataChanged);

	m_ui->actionUndo->setEnabled(false);
	m_ui->actionRedo->setEnabled(false);
	m_ui->actionCut->setEnabled(false);
	m_ui->actionCopy->setEnabled(false);
	fontChanged(edit->font());
	colorChanged(edit->textColor());
	alignmentChanged(edit->alignment());
	clipboardDataChanged();
}


RichTextEditWidget::~RichTextEditWidget() {
	delete m_ui;
}


QString RichTextEditWidget::toHtml() const {
	QString html = m_ui->textEdit->toHtml();
	const int start = html.indexOf(QLatin1String("<html>"));
	if (start > 0)
		html.remove(0, start);
	const int body = html.indexOf(QLatin1String("<body"));
	if (body < 0)
		return html;
	const int begin = html.indexOf(QLatin1Char('>'), body) + 1;
	const int end = html.lastIndexOf(QLatin1String("</body>"));
	if (begin <= 0 || end < begin)
		return html.mid(begin);
	return html.mid(begin, end - begin);
}


void RichTextEditWidget::setHtml(const QString & html) {
	m_ui->textEdit->setHtml(html);
}


SignalingTextEdit * RichTextEditWidget::textEdit() const {
	return m_ui->textEdit;
}


QAction * RichTextEditWidget::action(ActionId id) const {
	switch (id) {
		case Bold: return m_ui->actionTextBold;
		case Italic: return m_ui->actionTextItalic;
		case Underline: return m_ui->actionTextUnderline;
		case Color: return m_ui->actionTextColor;
		case AlignLeft: return m_ui->actionAlignLeft;
		case AlignCenter: return m_ui->actionAlignCenter;
		case AlignRight: return m_ui->actionAlignRight;
		case AlignJustify: return m_ui->actionAlignJustify;
		case Undo: return m_ui->actionUndo;
		case Redo: return m_ui->actionRedo;
		case Cut: return m_ui->actionCut;
		case Copy: return m_ui->actionCopy;
		case Paste: return m_ui->actionPaste;
	}
	return nullptr;
}


void RichTextEditWidget::textBold() {
	QTextCharFormat fmt;
	fmt.setFontWeight(m_ui->actionTextBold->isChecked() ? QFont::Bold : QFont::Normal);
	mergeFormatOnWordOrSelection(fmt);
}


void RichTextEditWidget::textUnderline() {
	QTextCharFormat fmt;
	fmt.setFontUnderline(m_ui->actionTextUnderline->isChecked());
	mergeFormatOnWordOrSelection(fmt);
}


void RichTextEditWidget::textItalic() {
	QTextCharFormat fmt;
	fmt.setFontItalic(m_ui->actionTextItalic->isChecked());
	mergeFormatOnWordOrSelection(fmt);
}


void RichTextEditWidget::textFamily(const QString & family) {
	QTextCharFormat fmt;
	fmt.setFontFamily(family);
	mergeFormatOnWordOrSelection(fmt);
}


void RichTextEditWidget::textSize(const QString & pointSize) {
	const qreal size = pointSize.toFloat();
	if (size > 0) {
		QTextCharFormat fmt;
		fmt.setFontPointSize(size);
		mergeFormatOnWordOrSelection(fmt);
	}
}


void RichTextEditWidget::textStyle(int styleIndex) {
	QTextCursor cursor = m_ui->textEdit->textCursor();
	if (styleIndex == 0) {
		// merging a format with object index -1 would change nothing (the index is
		// cleared, not set), so the block's own format is replaced without it
		QTextBlockFormat bfmt = cursor.blockFormat();
		bfmt.setObjectIndex(-1);
		cursor.setBlockFormat(bfmt);
		return;
	}

	static const QTextListFormat::Style STYLES[] = {
		QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare,
		QTextListFormat::ListDecimal, QTextListFormat::ListLowerAlpha, QTextListFormat::ListUpperAlpha,
		QTextListFormat::ListLowerRoman, QTextListFormat::ListUpperRoman
	};
	const QTextListFormat::Style style = (styleIndex >= 1 && styleIndex <= 8) ? STYLES[styleIndex - 1]
																			   : QTextListFormat::ListDisc;
	cursor.beginEditBlock();
	QTextBlockFormat blockFmt = cursor.blockFormat();
	QTextListFormat listFmt;
	if (cursor.currentList() != nullptr) {
		listFmt = cursor.currentList()->format();
	}
	else {
		listFmt.setIndent(blockFmt.indent() + 1);
		blockFmt.setIndent(0);
		cursor.setBlockFormat(blockFmt);
	}
	listFmt.setStyle(style);
	cursor.createList(listFmt);
	cursor.endEditBlock();
}


void RichTextEditWidget::textColor() {
	const QColor col = QColorDialog::getColor(m_ui->textEdit->textColor(), this, QString());
	if (!col.isValid())
		return;
	QTextCharFormat fmt;
	fmt.setForeground(col);
	mergeFormatOnWordOrSelection(fmt);
	colorChanged(col);
}


void RichTextEditWidget::textAlign(QAction * action) {
	if (action == m_ui->actionAlignLeft)
		m_ui->textEdit->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
	else if (action == m_ui->actionAlignCenter)
		m_ui->textEdit->setAlignment(Qt::AlignHCenter);
	else if (action == m_ui->actionAlignRight)
		m_ui->textEdit->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
	else if (action == m_ui->actionAlignJustify)
		m_ui->textEdit->setAlignment(Qt::AlignJustify);
}


void RichTextEditWidget::currentCharFormatChanged(const QTextCharFormat & format) {
	fontChanged(format.font());
	colorChanged(format.foreground().color());
}


void RichTextEditWidget::cursorPositionChanged() {
	alignmentChanged(m_ui->textEdit->alignment());
}


void RichTextEditWidget::clipboardDataChanged() {
	if (const QMimeData * md = QApplication::clipboard()->mimeData())
		m_ui->actionPaste->setEnabled(md->hasText());
}


void RichTextEditWidget::undo() {
	m_ui->textEdit->undo();
}


void RichTextEditWidget::redo() {
	m_ui->textEdit->redo();
}


void RichTextEditWidget::cut() {
	m_ui->textEdit->cut();
}


void RichTextEditWidget::copy() {
	m_ui->textEdit->copy();
}


void RichTextEditWidget::paste() {
	m_ui->textEdit->paste();
}


void RichTextEditWidget::changeEvent(QEvent * event) {
	QWidget::changeEvent(event);
	if (event->type() == QEvent::LanguageChange)
		m_ui->retranslateUi(this);
}


void RichTextEditWidget::mergeFormatOnWordOrSelection(const QTextCharFormat & format) {
	QTextCursor cursor = m_ui->textEdit->textCursor();
	if (!cursor.hasSelection())
		cursor.select(QTextCursor::WordUnderCursor);
	cursor.mergeCharFormat(format);
	m_ui->textEdit->mergeCurrentCharFormat(format);
}


void RichTextEditWidget::fontChanged(const QFont & font) {
	const int family = m_ui->comboBoxFamily->findText(QFontInfo(font).family(),
													  Qt::MatchExactly | Qt::MatchCaseSensitive);
	m_ui->comboBoxFamily->setCurrentIndex(family);
	const int size = m_ui->comboBoxSize->findText(QString::number(static_cast<int>(font.pointSizeF())));
	m_ui->comboBoxSize->setCurrentIndex(size);
	m_ui->actionTextBold->setChecked(font.bold());
	m_ui->actionTextItalic->setChecked(font.italic());
	m_ui->actionTextUnderline->setChecked(font.underline());
}


void RichTextEditWidget::colorChanged(const QColor & color) {
	QPixmap pix(16, 16);
	pix.fill(color);
	m_ui->actionTextColor->setIcon(pix);
}


void RichTextEditWidget::alignmentChanged(Qt::Alignment alignment) {
	if (alignment & Qt::AlignLeft)
		m_ui->actionAlignLeft->setChecked(true);
	else if (alignment & Qt::AlignHCenter)
		m_ui->actionAlignCenter->setChecked(true);
	else if (alignment & Qt::AlignRight)
		m_ui->actionAlignRight->setChecked(true);
	else if (alignment & Qt::AlignJustify)
		m_ui->actionAlignJustify->setChecked(true);
}

} // namespace QtExt
