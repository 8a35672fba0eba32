// Splitter between input pages and results: vertical, with its own painted handle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>

#include "CustomSplitter.h"
#include "CustomSplitterHandle.h"
#include "GuiTestHarness.h"

TEST(CustomSplitterTest, VerticalWithAShadedHandleAndAGrip) {
	CustomSplitter splitter(nullptr);
	EXPECT_EQ(splitter.orientation(), Qt::Vertical);
	splitter.addWidget(new QLabel("above"));
	splitter.addWidget(new QLabel("below"));
	splitter.setHandleWidth(8);
	splitter.resize(200, 200);
	splitter.show();
	QApplication::processEvents();

	CustomSplitterHandle * handle = qobject_cast<CustomSplitterHandle *>(splitter.handle(1));
	ASSERT_NE(handle, nullptr);
	const QImage img = handle->grab().toImage();
	const int w = handle->width();
	ASSERT_GE(img.height(), 6);
	// grip: three small black boxes on the first bar row, in the middle and 5 px to either side
	for (int dx : { 0, 5, -5 })
		EXPECT_EQ(img.pixelColor(w/2 + dx, 1), QColor(Qt::black)) << dx;
	EXPECT_NE(img.pixelColor(w/2 + 10, 1), QColor(Qt::black));
	// the gradient runs steeply across the centre: the button colour shows there, the base
	// colour towards the ends of the bar
	const int mid = img.height() / 2;
	EXPECT_EQ(img.pixelColor(10, mid), handle->palette().color(QPalette::Base));
	EXPECT_LT(qGray(img.pixel(w/2, mid)), qGray(img.pixel(10, mid)));
}
