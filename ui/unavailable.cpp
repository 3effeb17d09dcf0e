// Messages for what is not available yet; see unavailable.h.
#include "ui/unavailable.h"

#include <QString>

#include "ui/platform/platform.h"

namespace quendal {

void shownotavailable(QWidget* owner, Unavailable what, int language) {
  const bool german = language != 0;
  const char* subject = "";
  switch (what) {
    case Unavailable::printing:
      subject = german ? "Das Drucken" : "Printing";
      break;
  }
  const QString text = QString::fromUtf8(german ? "\n %1 ist in dieser Version noch nicht verfügbar.     \n\n"
                                                : "\n %1 is not available in this version yet.     \n\n")
                           .arg(QString::fromUtf8(subject));
  informationbox(owner, QStringLiteral(" Information"), text);
}

}  // namespace quendal
