#include "WindowSetup.h"

#include "engine/CommandLine.h"

#include <QComboBox>
#include <QLineEdit>

void followOutputChoice(QComboBox* choice, QLineEdit* field)
{
    const auto show = [choice, field] {
        field->setPlaceholderText(choice->currentText() == engine::kOriginalFolder
                                      ? QStringLiteral("Converted/ beside each file")
                                      : QStringLiteral("Asked for when the batch starts"));
    };
    QObject::connect(choice, &QComboBox::currentIndexChanged, field, show);
    show();
}
