#include "GuardedApplication.h"

#include <QEvent>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent *) override { throw std::runtime_error("thrown by a handler"); }
};

} // namespace

// Without this the random test's "nothing escaped" would hold vacuously.
TEST(GuardedApplication, RecordsWhatEscapesAHandlerAndGoesOn) {
    GuardedApplication *application = GuardedApplication::Instance();
    ASSERT_NE(application, nullptr);
    Throwing receiver;
    receiver.setObjectName(QStringLiteral("receiver"));
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    const QStringList escaped = application->TakeEscaped();
    ASSERT_EQ(escaped.size(), 1);
    EXPECT_TRUE(escaped[0].contains(QStringLiteral("\"receiver\": thrown by a handler")))
        << escaped[0].toStdString();
    EXPECT_TRUE(application->TakeEscaped().isEmpty());
}
