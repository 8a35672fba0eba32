#include <gtest/gtest.h>

#include "BVX_NotificationHandler.h"
#include "BVX_StopWatch.h"

TEST(StopWatch, RunsMonotonicallyAndFreezesWhenStopped) {
	BVX::StopWatch w;
	EXPECT_EQ(w.m_intervalLength, 15.0);
	EXPECT_EQ(w.m_intervalMark, 0);
	double d1 = w.difference();
	double d2 = w.difference();
	EXPECT_GE(d1, 0);
	EXPECT_GE(d2, d1);

	double stopped = w.stop();
	EXPECT_GE(stopped, d2);
	EXPECT_EQ(w.difference(), stopped);
	EXPECT_EQ(w.difference(), stopped);

	w.m_intervalMark = 12;
	w.start();
	EXPECT_EQ(w.m_intervalMark, 0);
	EXPECT_GE(w.difference(), 0);

	BVX::StopWatch copy(w);
	copy.stop();
	EXPECT_GE(copy.difference(), 0);
}


namespace {

class CountingNotifier : public BVX::NotificationHandler {
public:
	using BVX::NotificationHandler::notify;
	void notify() override { ++m_calls; }
	int m_calls = 0;
};

class ValueNotifier : public CountingNotifier {
public:
	void notify(double t) override { m_last = t; }
	using CountingNotifier::notify;
	double m_last = -1;
};

} // namespace


TEST(NotificationHandler, ValueNotificationReachesArgumentlessNotify) {
	CountingNotifier n;
	BVX::NotificationHandler & h = n;
	h.notify(0);
	h.notify(31536000);
	h.notify();
	EXPECT_EQ(n.m_calls, 3);

	ValueNotifier v;
	BVX::NotificationHandler & hv = v;
	hv.notify(3600);
	EXPECT_EQ(v.m_last, 3600);
	EXPECT_EQ(v.m_calls, 0);
}
