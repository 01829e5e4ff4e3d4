// SPDX-License-Identifier: MIT
// The "Data Connection Wizard": a name, a database type with its settings,
// a test connection, and the connection added to the label.
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "data/DatabaseTypes.h"
#include "data/SchemaIni.h"
#include "data/WaitCursor.h"
#include "data/dialogs/DataDialogs.h"
#include "data/dialogs/WizardBase.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/store/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zp {

namespace {

const QString kStored = QStringLiteral("Database Connection Strings");

QString OdbcSources() {
    auto run = [](const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral("odbcinst"), args);
        if (!p.waitForFinished(5000) || p.exitCode() != 0) {
            return QString();
        }
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    };
    const QString sources = run({QStringLiteral("-q"), QStringLiteral("-s")});
    const QString files = run({QStringLiteral("-j")});
    QString text = sources.isEmpty() ? QStringLiteral("No ODBC data sources are configured.")
                                     : QStringLiteral("ODBC data sources:\n") + sources;
    text += QStringLiteral(
        "\n\nData sources are configured in ~/.odbc.ini (yours) and /etc/odbc.ini (everyone's); "
        "drivers in /etc/odbcinst.ini.");
    if (!files.isEmpty()) {
        text += QStringLiteral("\n\n") + files;
    }
    return text;
}

// "Other (Advanced)": the connection string typed by hand, with a Test button.
QString EditConnectionString(QWidget* parent, const QString& current, const QString& baseFolder) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Connection String"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(QStringLiteral("Enter the connection string, for example\nProvider=MSDASQL;Data "
                                  "Source=<DSN>;User ID=...;Password=...\n"
                                  "or Driver={SQLite3};Database=/path/file.db"),
                   &dialog));
    auto* edit = new QPlainTextEdit(current, &dialog);
    edit->setAccessibleName(QStringLiteral("Connection string"));
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* test = buttons->addButton(QStringLiteral("&Test"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(test, &QPushButton::clicked, &dialog, [&] {
        try {
            TZpWaitCursor wait;
            TZpConnection c(edit->toPlainText().trimmed());
            c.ReadOnly = true;
            c.BaseFolder = baseFolder;
            c.Open();
            ShowMessage(TZpMsgKind::Information, QStringLiteral("The connection works."));
        } catch (const EZpError& e) {
            ShowMessage(TZpMsgKind::Information,
                        QStringLiteral("The database could not be opened: %1").arg(e.Message()));
        }
    });
    dialog.resize(520, 240);
    return dialog.exec() == QDialog::Accepted ? edit->toPlainText().trimmed() : QString();
}

class TConnectionWizard : public TZpWizard {
public:
    TConnectionWizard(QWidget* parent, TZpDataConnections& connections, const QString& editing)
        : TZpWizard(parent, QStringLiteral("Data Connection Wizard")), FConnections(connections),
          FEditing(editing) {
        BuildNamePage();
        BuildTypePage();
        BuildDonePage();
        if (editing.isEmpty()) {
            ShowPage(0);
            FName->setFocus();
        } else {
            FName->setEditText(editing);
            const TZpConnectionSettings s =
                ReadConnectionSettings(connections.ConnectionString(connections.IndexOfConnection(editing)));
            LoadSettings(s);
            ShowPage(1);
        }
    }

    [[nodiscard]] bool Added() const { return FAdded; }

protected:
    int NextPage(int page) override {
        if (page == 0) {
            const QString name = FName->currentText().trimmed();
            // A name of the stored list means its stored string.
            if (!name.isEmpty() && ZpStore().ReadSection(kStored).contains(name)) {
                return TryConnect(ZpStore().ReadString(kStored, name, QString())) ? 2 : -1;
            }
            if (name.isEmpty()) {
                ShowMessage(TZpMsgKind::Information, QStringLiteral("You must specify a connection name!"));
                return -1;
            }
            return 1;
        }
        // page 1: compose the string and try it
        const TZpDatabaseType& type = DatabaseTypes()[FTypes->currentRow()];
        if (type.Support == TZpDbSupport::NotAvailable) {
            ShowMessage(TZpMsgKind::Information,
                        QStringLiteral("The database could not be opened: %1").arg(type.Note));
            return -1;
        }
        TZpConnectionSettings s = Settings();
        if (type.Panel == TZpDbPanel::Other) {
            s.Advanced = EditConnectionString(this, FAdvanced, FConnections.BaseFolder());
            if (s.Advanced.isEmpty()) {
                return -1;
            }
            FAdvanced = s.Advanced;
        }
        return TryConnect(ComposeConnectionString(s)) ? 2 : -1;
    }
    int PriorPage(int page) override { return page == 2 ? 1 : page - 1; }
    bool Finish() override {
        if (FSave->isChecked() && !FTested.isEmpty()) {
            ZpStore().WriteString(kStored, FName->currentText().trimmed(), FTested);
        }
        return true;
    }

private:
    void BuildNamePage() {
        auto* page = new QWidget(this);
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(
            new QLabel(QStringLiteral("This wizard helps you use existing data in Zentaprint."), page));
        auto* explain =
            new QLabel(QStringLiteral("Each database you connect gets a unique name of your choice, for "
                                      "example \"Accounting\" for the data of your accounting system."),
                       page);
        explain->setWordWrap(true);
        layout->addWidget(explain);
        auto* prompt = new QLabel(
            QStringLiteral("&Enter a name for this connection, or select a connection you have used before."),
            page);
        prompt->setWordWrap(true);
        layout->addWidget(prompt);
        auto* row = new QHBoxLayout;
        FName = new QComboBox(page);
        FName->setEditable(true);
        FName->setInsertPolicy(QComboBox::NoInsert);
        FName->addItems(ZpStore().ReadSection(kStored));
        FName->setCurrentIndex(-1);
        FName->setAccessibleName(QStringLiteral("Connection name"));
        RefuseCharacters(FName->lineEdit(), QStringLiteral("\"*/:<>?\\|"));
        prompt->setBuddy(FName);
        auto* remove = new QPushButton(QStringLiteral("&Delete"), page);
        row->addWidget(FName, 1);
        row->addWidget(remove);
        layout->addLayout(row);
        layout->addStretch();
        auto update = [this, remove] {
            remove->setEnabled(FName->currentIndex() >= 0 &&
                               FName->currentText() == FName->itemText(FName->currentIndex()));
        };
        connect(FName, &QComboBox::currentTextChanged, this, update);
        update();
        connect(remove, &QPushButton::clicked, this, [this, update] {
            if (!Confirm(QStringLiteral("Remove this connection from the stored list?"), false)) {
                return;
            }
            ZpStore().DeleteValue(kStored, FName->currentText());
            FName->removeItem(FName->currentIndex());
            FName->setCurrentIndex(FName->count() > 0 ? 0 : -1);
            update();
        });
        AddPage(page, QStringLiteral("Add Database"), QStringLiteral("Establish a new database connection"));
    }

    void BuildTypePage() {
        auto* page = new QWidget(this);
        auto* layout = new QHBoxLayout(page);
        auto* left = new QVBoxLayout;
        auto* label = new QLabel(QStringLiteral("Database type"), page);
        FTypes = new QListWidget(page);
        for (const TZpDatabaseType& t : DatabaseTypes()) {
            FTypes->addItem(t.Name);
        }
        FTypes->setAccessibleName(QStringLiteral("Database type"));
        label->setBuddy(FTypes);
        left->addWidget(label);
        left->addWidget(FTypes);
        layout->addLayout(left, 1);
        auto* right = new QVBoxLayout;
        FPanels = new QStackedWidget(page);
        FPanels->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
        right->addWidget(FPanels);
        FNote = new QLabel(page);
        FNote->setWordWrap(true);
        right->addWidget(FNote);
        right->addStretch();
        layout->addLayout(right, 2);

        // Directory panel
        auto* dir = new QWidget(FPanels);
        auto* dl = new QVBoxLayout(dir);
        auto* dirLabel = new QLabel(QStringLiteral("&Select the data directory:"), dir);
        auto* dirRow = new QHBoxLayout;
        FDirectory = new QLineEdit(dir);
        FDirectory->setAccessibleName(QStringLiteral("Data directory"));
        dirLabel->setBuddy(FDirectory);
        auto* browseDir = new QPushButton(QStringLiteral("..."), dir);
        browseDir->setAccessibleName(QStringLiteral("Browse for a folder"));
        dirRow->addWidget(FDirectory);
        dirRow->addWidget(browseDir);
        FHeader = new QCheckBox(QStringLiteral("First row of data contains field names"), dir);
        FHeader->setChecked(true);
        dl->addWidget(dirLabel);
        dl->addLayout(dirRow);
        dl->addWidget(FHeader);
        dl->addStretch();
        connect(browseDir, &QPushButton::clicked, this, [this] {
            const QString d = QFileDialog::getExistingDirectory(this, QStringLiteral("Select a Folder"),
                                                                FDirectory->text());
            if (!d.isEmpty()) {
                FDirectory->setText(d);
            }
        });
        FPanels->addWidget(dir);

        // File panel
        auto* file = new QWidget(FPanels);
        auto* fl = new QVBoxLayout(file);
        auto* fileLabel = new QLabel(QStringLiteral("Select &a data file:"), file);
        auto* fileRow = new QHBoxLayout;
        FFile = new QLineEdit(file);
        FFile->setAccessibleName(QStringLiteral("Data file"));
        fileLabel->setBuddy(FFile);
        auto* browseFile = new QPushButton(QStringLiteral("..."), file);
        browseFile->setAccessibleName(QStringLiteral("Browse for a file"));
        fileRow->addWidget(FFile);
        fileRow->addWidget(browseFile);
        fl->addWidget(fileLabel);
        fl->addLayout(fileRow);
        fl->addStretch();
        connect(browseFile, &QPushButton::clicked, this, [this] {
            const TZpDatabaseType& t = DatabaseTypes()[FTypes->currentRow()];
            const QString f =
                QFileDialog::getOpenFileName(this, QStringLiteral("Open"), FFile->text(), t.Filter);
            if (!f.isEmpty()) {
                FFile->setText(f);
            }
        });
        FPanels->addWidget(file);

        // Server panel
        auto* server = new QWidget(FPanels);
        auto* sl = new QFormLayout(server);
        FServer = new QLineEdit(server);
        FDatabase = new QLineEdit(server);
        FLogin = new QLineEdit(server);
        FPassword = new QLineEdit(server);
        FPassword->setEchoMode(QLineEdit::Password);
        sl->addRow(QStringLiteral("S&erver name:"), FServer);
        sl->addRow(QStringLiteral("&Database name:"), FDatabase);
        sl->addRow(QStringLiteral("&Login:"), FLogin);
        sl->addRow(QStringLiteral("&Password:"), FPassword);
        FServer->setAccessibleName(QStringLiteral("Server name"));
        FDatabase->setAccessibleName(QStringLiteral("Database name"));
        FLogin->setAccessibleName(QStringLiteral("Login"));
        FPassword->setAccessibleName(QStringLiteral("Password"));
        FPanels->addWidget(server);

        // Other panel
        auto* other = new QWidget(FPanels);
        auto* ol = new QVBoxLayout(other);
        auto* t1 = new QLabel(
            QStringLiteral("Zentaprint can connect to any data source with either an ODBC or OLEDB driver."),
            other);
        auto* t2 = new QLabel(
            QStringLiteral("To set up your custom connection, click \"next.\"  If you are using an ODBC "
                           "driver you must have an ODBC data source configured before proceeding.  "),
            other);
        t1->setWordWrap(true);
        t2->setWordWrap(true);
        auto* odbc = new QPushButton(QStringLiteral("&ODBC Setup"), other);
        ol->addWidget(t1);
        ol->addWidget(t2);
        ol->addWidget(odbc, 0, Qt::AlignLeft);
        ol->addStretch();
        connect(odbc, &QPushButton::clicked, this,
                [] { ShowMessage(TZpMsgKind::Information, OdbcSources()); });
        FPanels->addWidget(other);

        connect(FTypes, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row < 0) {
                return;
            }
            const TZpDatabaseType& t = DatabaseTypes()[row];
            FPanels->setCurrentIndex(static_cast<int>(t.Panel));
            FHeader->setVisible(t.Name == QLatin1String("Text"));
            FNote->setText(t.Note);
        });
        FTypes->setCurrentRow(0);
        AddPage(page, QStringLiteral("Database Type"),
                QStringLiteral("Choose and configure your database type."));
    }

    void BuildDonePage() {
        auto* page = new QWidget(this);
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(new QLabel(
            QStringLiteral("The new connection has been successfully added to this label!"), page));
        layout->addWidget(new QLabel(QStringLiteral("You can now add datasets from this database."), page));
        FSave = new QCheckBox(QStringLiteral("&Save these settings for future use"), page);
        layout->addWidget(FSave);
        layout->addStretch();
        AddPage(page, QStringLiteral("Process Complete!"), QString());
    }

    void LoadSettings(const TZpConnectionSettings& s) {
        const int row = IndexOfDatabaseType(s.Type);
        FTypes->setCurrentRow(row < 0 ? 0 : row);
        FDirectory->setText(s.Source);
        FFile->setText(s.Source);
        FHeader->setChecked(s.Header);
        FServer->setText(s.Server);
        FDatabase->setText(s.Database);
        FLogin->setText(s.Login);
        FPassword->setText(s.Password);
        FAdvanced = s.Advanced;
    }

    TZpConnectionSettings Settings() const {
        TZpConnectionSettings s;
        const TZpDatabaseType& t = DatabaseTypes()[FTypes->currentRow()];
        s.Type = t.Name;
        s.Source = t.Panel == TZpDbPanel::Directory ? FDirectory->text().trimmed() : FFile->text().trimmed();
        s.Header = FHeader->isChecked();
        s.Server = FServer->text().trimmed();
        s.Database = FDatabase->text().trimmed();
        s.Login = FLogin->text().trimmed();
        s.Password = FPassword->text();
        s.Advanced = FAdvanced;
        return s;
    }

    // Opens the string on a test connection; on success the label gets it.
    bool TryConnect(const QString& text) {
        try {
            TZpWaitCursor wait;
            FTest = std::make_unique<TZpConnection>(text);
            FTest->BaseFolder = FConnections.BaseFolder();
            FTest->Open();
            WriteSchemaIni(*FTest);
            FTest->Close();
        } catch (const EZpError& e) {
            ShowMessage(TZpMsgKind::Information,
                        QStringLiteral("The database could not be opened: %1").arg(e.Message()));
            return false;
        }
        FTested = text;
        if (!FEditing.isEmpty()) {
            const int index = FConnections.IndexOfConnection(FEditing);
            if (TZpConnection* c = FConnections.ConnectionObject(index)) {
                c->SetConnectionString(text);
            }
        } else if (!FAdded) {
            FAdded = true;
            FAddedIndex = FConnections.AddConnection(FName->currentText().trimmed(), text);
        } else if (TZpConnection* c = FConnections.ConnectionObject(FAddedIndex)) {
            // Back and Next again: the connection added before gets the new string.
            c->SetConnectionString(text);
        }
        return true;
    }

    TZpDataConnections& FConnections;
    QString FEditing;
    QComboBox* FName = nullptr;
    QListWidget* FTypes = nullptr;
    QStackedWidget* FPanels = nullptr;
    QLabel* FNote = nullptr;
    QLineEdit* FDirectory = nullptr;
    QCheckBox* FHeader = nullptr;
    QLineEdit* FFile = nullptr;
    QLineEdit* FServer = nullptr;
    QLineEdit* FDatabase = nullptr;
    QLineEdit* FLogin = nullptr;
    QLineEdit* FPassword = nullptr;
    QCheckBox* FSave = nullptr;
    QString FAdvanced;
    QString FTested;
    std::unique_ptr<TZpConnection> FTest;
    bool FAdded = false;
    int FAddedIndex = -1;
};

} // namespace

bool RunConnectionWizard(QWidget* parent, TZpDataConnections& connections) {
    TConnectionWizard wizard(parent, connections, QString());
    wizard.exec();
    return wizard.Added();
}

bool EditConnection(QWidget* parent, TZpDataConnections& connections, const QString& connectionName) {
    if (connections.IndexOfConnection(connectionName) < 0) {
        throw EZpError(QStringLiteral("Invalid connection \"%1\"!").arg(connectionName));
    }
    TConnectionWizard wizard(parent, connections, connectionName);
    return wizard.exec() == QDialog::Accepted;
}

} // namespace zp
