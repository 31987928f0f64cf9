// A Qt generic plugin the package test loads into the installed programs
// (QT_QPA_GENERIC_PLUGINS=quillonloginprobe): it reports every dialog shown on stdout and answers
// the login dialog with Cancel, as a teacher would. Any other dialog stays open, so the program
// does not end and the test fails by its time limit.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGenericPlugin>
#include <QPointer>
#include <QTimer>

#include <cstdio>

namespace {

class TLoginProbe : public QObject
{
public:
    TLoginProbe() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || !dialog)
            return false;
        std::printf("shown: %s \"%s\"\n", qPrintable(dialog->objectName()),
                    qPrintable(dialog->windowTitle()));
        std::fflush(stdout);
        if (dialog->objectName() == QLatin1String("Form_Login")) {
            QPointer<QDialog> login(dialog);
            // After the dialog's own show handling; a click like the user's.
            QTimer::singleShot(0, this, [login] {
                if (!login)
                    return;
                auto* cancel = login->findChild<QAbstractButton*>(QStringLiteral("BitBtn2"));
                std::printf("cancel: %s\n", cancel ? qPrintable(cancel->text()) : "(no button)");
                std::fflush(stdout);
                if (cancel)
                    cancel->click();
            });
        }
        return false;
    }
};

class TLoginProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "loginprobe.json")

public:
    QObject* create(const QString& key, const QString&) override
    {
        // The application owns and deletes what a generic plugin creates.
        return key.compare(QLatin1String("quillonloginprobe"), Qt::CaseInsensitive) == 0 ? new TLoginProbe
                                                                                         : nullptr;
    }
};

} // namespace

#include "loginprobe.moc"
