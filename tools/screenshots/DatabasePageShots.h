#ifndef DatabasePageShotsH
#define DatabasePageShotsH

#include <functional>

#include <QString>

class QWidget;

/*! The four database pages on their own: empty, with a built-in and with a user item
	selected; the material table sorted by rho with a refused value; the message of a
	removal refused because the item is in use. */
namespace DatabasePageShots {

/*! Saves a widget under a name. */
using SaveFunction = std::function<void(QWidget *, const QString &)>;
/*! Saves the modal dialog opened by the call under a name, then closes it. */
using SaveModalFunction = std::function<void(const QString &, const std::function<void()> &)>;

void render(const SaveFunction & save, const SaveModalFunction & saveModal);

} // namespace DatabasePageShots

#endif // DatabasePageShotsH
