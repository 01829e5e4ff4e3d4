// SPDX-License-Identifier: MIT
// The main window's frame: actions, menus, toolbars and status bar made from
// the command table, the command states, and the stored window settings.
#include "ui/MainWindow.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "design/edit/EditSession.h"
#include "design/view/DesignArea.h"
#include "model/objects/Interfaces.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "platform/scanning/Scanner.h"
#include "platform/store/SettingsStore.h"
#include "settings/LabelFormatSettings.h"
#include "ui/Autosave.h"
#include "ui/Icons.h"
#include "ui/StyleBoxes.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

static void InitZentaprintResources() {
    Q_INIT_RESOURCE(resources);
}

namespace zp {

namespace {

const QString kFormPosition = QStringLiteral("Form Position");
const QString kSettings = QStringLiteral("Settings");
const QString kToolbars = QStringLiteral("Toolbars");

QString PlainCaption(const char* caption) {
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

// Opens the callback on a left click; the status bar's printer and zoom panels.
class TClickFilter : public QObject {
public:
    TClickFilter(QObject* parent, std::function<void(QPoint)> onClick)
        : QObject(parent), FOnClick(std::move(onClick)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                FOnClick(mouse->globalPosition().toPoint());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(QPoint)> FOnClick;
};

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent), FSession(std::make_unique<TZpEditSession>()), FDocument(&FSession->Document()) {
    InitZentaprintResources();
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    FAutosave = std::make_unique<TZpAutosave>(*FDocument, this);
    FScanner = std::make_unique<TZpScanner>();

    zpDesign = new TZpDesignArea(*FSession, this);
    zpDesign->setObjectName(QStringLiteral("zpDesign"));
    setCentralWidget(zpDesign);

    BuildActions();
    BuildMenus();
    BuildToolbars();
    BuildStatusBar();
    FRecent.Load(ZpStore());
    UpdateRecentMenu();
    // The first label starts from the stored default label format.
    ReadDefaultLabelFormat(ZpStore(), FDocument->Layout());
    RestoreSettings();
    SetLabelName(QStringLiteral("New Label"));
    AdoptPrinter();
    InstallSessionHooks();
    UpdateCommandStates();
}

void TfrmMain::showEvent(QShowEvent* event) {
    // Copies are kept only of labels someone edits in the window.
    if (TZpAutosave::OptionEnabled())
        FAutosave->Start();
    QMainWindow::showEvent(event);
}

QAction* TfrmMain::Action(QAnyStringView id) const {
    return FActions.value(id.toString());
}

void TfrmMain::BuildActions() {
    auto* tools = new QActionGroup(this);
    auto* alignment = new QActionGroup(this);
    for (const TZpCommandRow& row : CommandTable()) {
        auto* action = new QAction(QString::fromUtf8(row.Caption), this);
        action->setObjectName(QString::fromUtf8(row.Id));
        if (*row.Shortcut)
            action->setShortcut(QKeySequence(QString::fromUtf8(row.Shortcut)));
        const QString hint = QString::fromUtf8(row.Hint).remove(QLatin1Char('&'));
        action->setToolTip(hint.isEmpty() ? PlainCaption(row.Caption) : hint);
        action->setStatusTip(hint);
        action->setIcon(ZpIcon(QString::fromUtf8(row.Icon)));
        action->setCheckable(row.Checked != nullptr);
        if (QLatin1String(row.Id).startsWith(QLatin1String("acTool")))
            tools->addAction(action);
        else if (QLatin1String(row.Id).startsWith(QLatin1String("acJustify")))
            alignment->addAction(action);
        const TZpCommandRow* r = &row;
        connect(action, &QAction::triggered, this, [this, r] { RunCommand(*r); });
        addAction(action); // shortcuts of commands shown in no menu (acOldCut, ...) work too
        FActions.insert(action->objectName(), action);
    }
}

QMenu* TfrmMain::BuildMenu(QMenu* menu, const std::vector<const char*>& entries) {
    QList<QMenu*> stack{menu};
    for (const char* entry : entries) {
        const QString text = QString::fromUtf8(entry);
        if (text == QLatin1String("-"))
            stack.last()->addSeparator();
        else if (text.startsWith(QLatin1Char('>'))) {
            QMenu* sub = stack.last()->addMenu(text.mid(1));
            sub->setAccessibleName(text.mid(1).remove(QLatin1Char('&')));
            sub->menuAction()->setObjectName(
                QStringLiteral("mnu") +
                text.mid(1).remove(QLatin1Char('&')).remove(QLatin1Char(' ')).remove(QLatin1Char('.')));
            stack.append(sub);
        } else if (text == QLatin1String("<"))
            stack.removeLast();
        else if (const qsizetype bar = text.indexOf(QLatin1Char('|')); bar > 0) {
            // The same command under another caption (a second action).
            QAction* original = Action(text.left(bar));
            auto* copy = new QAction(text.mid(bar + 1), this);
            copy->setObjectName(original->objectName() + QStringLiteral("Context"));
            copy->setToolTip(original->toolTip());
            copy->setIcon(original->icon());
            connect(copy, &QAction::triggered, original, &QAction::trigger);
            connect(original, &QAction::enabledChanged, copy, &QAction::setEnabled);
            stack.last()->addAction(copy);
        } else
            stack.last()->addAction(Action(text));
    }
    return menu;
}

void TfrmMain::BuildMenus() {
    for (const TZpMenuLayout& layout : MainMenuLayout()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(layout.Caption));
        const QString plain = PlainCaption(layout.Caption);
        menu->setObjectName(QStringLiteral("mnu") + plain);
        menu->setAccessibleName(plain);
        BuildMenu(menu, layout.Entries);
        if (plain == QLatin1String("File"))
            mnuFile = menu;
        if (plain == QLatin1String("Edit"))
            for (QAction* a : menu->actions())
                if (a->menu() && a->text() == QLatin1String("Formatting"))
                    mnuFormatting = a->menu();
    }
    FRecentSeparator = mnuFile->addSeparator();
    FRecentSeparator->setVisible(false);

    puMenu = new QMenu(zpDesign);
    puMenu->setObjectName(QStringLiteral("puMenu"));
    puMenu->setAccessibleName(QStringLiteral("Label context menu"));
    BuildMenu(puMenu, ContextMenuLayout());

    puZoom = new QMenu(this);
    puZoom->setObjectName(QStringLiteral("puZoom"));
    puZoom->setAccessibleName(QStringLiteral("Zoom"));
    for (const char* id : {"acZoom25", "acZoom50", "acZoom75", "acZoom100", "acZoom200", "acZoom400"})
        puZoom->addAction(Action(QLatin1String(id)));
}

void TfrmMain::BuildToolbars() {
    for (int i = 0; i < kToolbarCount; ++i) {
        const auto kind = TZpToolbar(i);
        const TZpToolbarInfo& info = ToolbarInfo(kind);
        auto* bar = new QToolBar(QString::fromUtf8(info.Caption), this);
        bar->setObjectName(QString::fromUtf8(info.Name));
        bar->setAccessibleName(QStringLiteral("%1 toolbar").arg(QString::fromUtf8(info.Caption)));
        bar->setFloatable(true);
        bar->setMovable(true);
        bar->setIconSize(QSize(22, 22));
        FToolbars[size_t(i)] = bar;
        for (const char* id : ToolbarLayout(kind)) {
            if (QLatin1String(id) == QLatin1String("-")) {
                bar->addSeparator();
                continue;
            }
            QAction* action = Action(QLatin1String(id));
            bar->addAction(action);
            if (QWidget* button = bar->widgetForAction(action))
                button->setAccessibleName(action->toolTip());
        }
    }
    BuildStyleBars();
    // First placement: Standard and Font on top, the style bars below the
    // label (hidden), Tools at the left, Data on top, Align hidden.
    addToolBar(Qt::TopToolBarArea, Toolbar(TZpToolbar::Standard));
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, Toolbar(TZpToolbar::Font));
    addToolBar(Qt::TopToolBarArea, Toolbar(TZpToolbar::Data));
    addToolBar(Qt::TopToolBarArea, Toolbar(TZpToolbar::Align));
    addToolBar(Qt::BottomToolBarArea, Toolbar(TZpToolbar::LineStyle));
    addToolBarBreak(Qt::BottomToolBarArea);
    addToolBar(Qt::BottomToolBarArea, Toolbar(TZpToolbar::FillStyle));
    addToolBar(Qt::LeftToolBarArea, Toolbar(TZpToolbar::Tools));
    Toolbar(TZpToolbar::LineStyle)->hide();
    Toolbar(TZpToolbar::FillStyle)->hide();
    Toolbar(TZpToolbar::Align)->hide();
    for (QToolBar* bar : FToolbars)
        connect(bar, &QToolBar::visibilityChanged, this, [this] {
            if (!FUpdating)
                UpdateCommandStates();
        });
}

void TfrmMain::BuildStyleBars() {
    auto label = [](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        buddy->setAccessibleName(text.trimmed().remove(QLatin1Char(':')));
        return l;
    };
    // Font: name, size, colour before the style and alignment buttons.
    QToolBar* font = Toolbar(TZpToolbar::Font);
    QAction* first = font->actions().value(0);
    cmbFontName = new QFontComboBox(font);
    cmbFontName->setObjectName(QStringLiteral("cmbFontName"));
    cmbFontName->setAccessibleName(QStringLiteral("Font name"));
    cmbFontName->setEditable(false);
    spnFontSize = new QSpinBox(font);
    spnFontSize->setObjectName(QStringLiteral("spnFontSize"));
    spnFontSize->setAccessibleName(QStringLiteral("Font size"));
    spnFontSize->setRange(1, 999);
    spnFontSize->setValue(10);
    edtFontColor = new TZpColorField(QStringLiteral("Font color"), font);
    edtFontColor->setObjectName(QStringLiteral("edtFontColor"));
    font->insertWidget(first, cmbFontName);
    font->insertWidget(first, spnFontSize);
    font->insertWidget(first, edtFontColor);
    font->insertSeparator(first);
    connect(cmbFontName, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        if (!FUpdating)
            SendStyle({TZpStyleEdit::FontName, f.family()});
    });
    connect(spnFontSize, &QSpinBox::valueChanged, this, [this](int size) {
        if (!FUpdating && !spnFontSize->text().isEmpty())
            SendStyle({TZpStyleEdit::FontSize, {}, size});
    });
    connect(edtFontColor, &TZpColorField::ColorChosen, this, [this](TColor c) {
        if (!FUpdating)
            SendStyle({TZpStyleEdit::FontColor, {}, 0, false, c});
    });

    // Fill Style.
    QToolBar* fill = Toolbar(TZpToolbar::FillStyle);
    edtFillColor = new TZpColorField(QStringLiteral("Fill Color"), fill);
    edtFillColor->setObjectName(QStringLiteral("edtFillColor"));
    edtFillColor->SetColor(clWhite);
    cmbFillStyle = new TZpStyleComboBox(fill);
    cmbFillStyle->setObjectName(QStringLiteral("cmbFillStyle"));
    cmbFillTransparent = new QComboBox(fill);
    cmbFillTransparent->setObjectName(QStringLiteral("cmbFillTransparent"));
    cmbFillTransparent->addItems({QStringLiteral("Transparent"), QStringLiteral("Opaque")});
    cmbFillStyle->setItemDelegate(
        new TZpBrushStyleDelegate([this] { return edtFillColor->Color(); },
                                  [this] { return cmbFillTransparent->currentIndex() == 1; }, cmbFillStyle));
    for (int i = 0; i < 8; ++i)
        cmbFillStyle->addItem(QString::number(i));
    cmbFillStyle->setMinimumWidth(80);
    fill->addWidget(label(QStringLiteral("Fill Color: "), edtFillColor));
    fill->addWidget(edtFillColor);
    fill->addWidget(label(QStringLiteral("Fill Style: "), cmbFillStyle));
    fill->addWidget(cmbFillStyle);
    lblFillTransparent = label(QStringLiteral("Transparency: "), cmbFillTransparent);
    fill->addWidget(lblFillTransparent);
    fill->addWidget(cmbFillTransparent);
    auto sendFill = [this] {
        if (FUpdating)
            return;
        cmbFillStyle->update();
        SendStyle({TZpStyleEdit::FillStyle,
                   {},
                   cmbFillStyle->currentIndex(),
                   cmbFillTransparent->currentIndex() == 0,
                   edtFillColor->Color()});
    };
    connect(cmbFillStyle, &QComboBox::currentIndexChanged, this, sendFill);
    connect(cmbFillTransparent, &QComboBox::currentIndexChanged, this, sendFill);
    connect(edtFillColor, &TZpColorField::ColorChosen, this, sendFill);

    // Line Style.
    QToolBar* line = Toolbar(TZpToolbar::LineStyle);
    edtLineColor = new TZpColorField(QStringLiteral("Line Color"), line);
    edtLineColor->setObjectName(QStringLiteral("edtLineColor"));
    cmbLineStyle = new TZpStyleComboBox(line);
    cmbLineStyle->setObjectName(QStringLiteral("cmbLineStyle"));
    cmbLineStyle->setItemDelegate(
        new TZpPenStyleDelegate([this] { return edtLineColor->Color(); }, cmbLineStyle));
    for (int i = 0; i < 7; ++i)
        cmbLineStyle->addItem(QString::number(i));
    cmbLineStyle->setMinimumWidth(80);
    spnLineWidth = new QDoubleSpinBox(line);
    spnLineWidth->setObjectName(QStringLiteral("spnLineWidth"));
    spnLineWidth->setRange(0, 99999);
    spnLineWidth->setSingleStep(0.01);
    spnLineWidth->setDecimals(2);
    spnLineWidth->setValue(1);
    line->addWidget(label(QStringLiteral("Line Color: "), edtLineColor));
    line->addWidget(edtLineColor);
    line->addWidget(label(QStringLiteral("Line Style: "), cmbLineStyle));
    line->addWidget(cmbLineStyle);
    line->addWidget(label(QStringLiteral("Line Width: "), spnLineWidth));
    line->addWidget(spnLineWidth);
    connect(cmbLineStyle, &QComboBox::currentIndexChanged, this, [this](int style) {
        if (FUpdating)
            return;
        const TZpLineChoice choice = LineStyleChosen(style, spnLineWidth->value(), LabelDPI());
        ApplyLineChoice(choice);
    });
    connect(spnLineWidth, &QDoubleSpinBox::valueChanged, this, [this](double width) {
        if (FUpdating)
            return;
        ApplyLineChoice(LineWidthChosen(cmbLineStyle->currentIndex(), width, LabelDPI()));
    });
    connect(edtLineColor, &TZpColorField::ColorChosen, this, [this] {
        if (!FUpdating)
            ApplyLineChoice({cmbLineStyle->currentIndex(), spnLineWidth->value()});
    });
}

void TfrmMain::ApplyLineChoice(const TZpLineChoice& choice) {
    {
        // The boxes show the rule's result without running their handlers again.
        const bool was = FUpdating;
        FUpdating = true;
        cmbLineStyle->setCurrentIndex(choice.Style);
        spnLineWidth->setValue(choice.WidthPoints);
        FUpdating = was;
    }
    SendStyle({TZpStyleEdit::LineStyle,
               {},
               choice.Style,
               false,
               edtLineColor->Color(),
               LineWidthPixels(choice.WidthPoints, LabelDPI())});
}

void TfrmMain::SendStyle(const TZpStyleEdit& edit) {
    if (!FHooks.Format)
        return;
    try {
        FHooks.Format(edit);
    } catch (const std::exception& e) {
        ReportError(e);
    }
    UpdateCommandStates();
}

void TfrmMain::BuildStatusBar() {
    static const int widths[] = {250, 100, 50, 50};
    static const char* names[] = {"Printer", "Position", "Zoom", ""};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        // The panel reads out its text; what it shows is its description.
        panel->setAccessibleDescription(QString::fromLatin1(names[i]));
        panel->setFrameShape(QFrame::StyledPanel);
        // Permanent, so that command hints shown in the bar do not hide them.
        statusBar()->addPermanentWidget(panel, i == 3 ? 1 : 0);
        FPanels[size_t(i)] = panel;
    }
    FPanels[0]->setToolTip(QStringLiteral("Page Setup"));
    FPanels[0]->installEventFilter(
        new TClickFilter(this, [this](QPoint) { RunCommand(*FindCommand(u"acPrintSetup")); }));
    FPanels[2]->setToolTip(QStringLiteral("Zoom"));
    FPanels[2]->installEventFilter(new TClickFilter(this, [this](QPoint at) { puZoom->popup(at); }));
}

void TfrmMain::UpdateRecentMenu() {
    for (QAction* a : FRecentActions) {
        mnuFile->removeAction(a);
        a->deleteLater();
    }
    FRecentActions.clear();
    const QStringList& files = FRecent.Files();
    FRecentSeparator->setVisible(!files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(RecentFileCaption(i, files[i], mnuFile->fontMetrics()), mnuFile);
        action->setObjectName(QStringLiteral("acRecent%1").arg(i + 1));
        action->setToolTip(files[i]);
        connect(action, &QAction::triggered, this, [this, i] {
            OpenRecentFile(i);
            UpdateCommandStates();
        });
        mnuFile->addAction(action);
        FRecentActions.append(action);
    }
}

void TfrmMain::RunCommand(const TZpCommandRow& row) {
    // A shortcut of a disabled command can still arrive.
    if (!EvaluateCommand(row, CommandState()).Enabled) {
        UpdateCommandStates();
        return;
    }
    try {
        (this->*row.Handler)(row);
    } catch (const EZpAbort&) {
    } catch (const std::exception& e) {
        ReportError(e);
    }
    UpdateCommandStates();
}

void TfrmMain::ReportError(const std::exception& e) {
    const auto* error = dynamic_cast<const EZpError*>(&e);
    ShowMessage(TZpMsgKind::Error, error ? error->Message() : QString::fromUtf8(e.what()));
}

TZpCommandState TfrmMain::CommandState() const {
    TZpCommandState s;
    TZpIDEProperties& env = FDocument->Environment();
    s.Locked = env.IsLocked();
    s.Modified = FDocument->Modified();
    s.PrinterPresent = !FPrinterList.isEmpty();
    s.Zoom = env.Scale();
    s.Tool = FTool;
    s.ShowRulers = env.ShowRulers;
    s.ShowGuides = env.ShowGuides;
    s.ShowUnprintable = env.ShowUnprintable;
    s.LockGuides = env.LockGuides;
    s.SnapToGuides = env.SnapToGuides;
    s.SnapToRulers = env.SnapToRulers;
    for (int i = 0; i < kToolbarCount; ++i)
        s.ToolbarVisible[size_t(i)] = FToolbars[size_t(i)] && !FToolbars[size_t(i)]->isHidden();
    const TZpObjectList& selection = FSession->Selection();
    s.SelectedCount = int(selection.size());
    s.Editing = FSession->IsEditing();
    if (selection.size() > 1) {
        for (const TZpObjectPtr& o : selection)
            (o->GetGroupId() == -1 ? s.CanGroup : s.CanUngroup) = true;
    }
    if (!selection.empty()) {
        const TZpObjectPtr& last = selection.back();
        s.LastCanRotate = Supports<IZpRotation>(last) != nullptr;
        s.LastIsPicture = Supports<IZpGraphic>(last) != nullptr;
        s.LastIsBarcode = Supports<IZpBarcode>(last) != nullptr;
        auto* object = Supports<IZpObject>(last);
        s.LastIsText = object && object->GetClassName() == QLatin1String("TZpTextObject");
        s.HasFill = Supports<IZpFillStyle>(last) != nullptr;
        s.HasLine = Supports<IZpLineStyle>(last) != nullptr;
        if (auto* font = Supports<IZpFont>(last)) {
            s.HasFont = true;
            s.FontBold = font->GetStyle() & 1;
            s.FontItalic = font->GetStyle() & 2;
            s.FontUnderline = font->GetStyle() & 4;
            s.TextAlignment = font->GetAlignment();
        }
    } else if (auto* font = FToolObject ? Supports<IZpFont>(FToolObject) : nullptr) {
        s.FontBold = font->GetStyle() & 1;
        s.FontItalic = font->GetStyle() & 2;
        s.FontUnderline = font->GetStyle() & 4;
    }
    const TZpDataConnections& data = FDocument->Connections();
    s.HasRecords = data.RecordCount() > 0;
    s.AtFirstRecord = data.RecordIndex() <= 0;
    s.AtLastRecord = data.RecordIndex() >= data.RecordCount() - 1;
    s.RecordMarked = s.HasRecords && data.IsMarked();
    s.HelpUpdateConfigured =
        !ZpStore().ReadString(QStringLiteral("Help"), QStringLiteral("Update Address"), QString()).isEmpty();
    uint32_t f = ftNone;
    if (FHooks.SessionCommand) {
        f |= ftSession;
        s.CanUndo = FSession->CanUndo();
        s.CanRedo = FSession->CanRedo();
        s.UndoCaption = FSession->UndoStack().UndoCaption();
        s.RedoCaption = FSession->UndoStack().RedoCaption();
    }
    if (FHooks.SetTool)
        f |= ftTools;
    if (FHooks.Clipboard)
        f |= ftClipboard;
    if (FHooks.Arrange)
        f |= ftArrangement;
    if (FHooks.EditObjectProperties)
        f |= ftObjectProperties;
    if (FHooks.ProgramOptions)
        f |= ftProgramOptions;
    if (FHooks.ConnectDatabase)
        f |= ftDataWindow;
    if (FHooks.EditDatabase)
        f |= ftDatabaseMaintenance;
    if (FHooks.FindRecord)
        f |= ftFindRecord;
    if (FHooks.ImportTextFile)
        f |= ftTextImport;
    if (FScanner->IsInstalled())
        f |= ftScanner;
    s.Features = f;
    s.ClipboardHasLabelData = FHooks.CanPaste && FHooks.CanPaste();
    return s;
}

void TfrmMain::UpdateStyleBars(const TZpCommandState& state) {
    const bool unlocked = !state.Locked;
    const TZpObjectPtr last = FSession->LastSelected();
    if (auto* fill = last ? Supports<IZpFillStyle>(last) : nullptr) {
        edtFillColor->SetColor(fill->GetColor());
        cmbFillStyle->setCurrentIndex(fill->GetStyle());
        cmbFillTransparent->setCurrentIndex(fill->GetTransparent() ? 0 : 1);
    }
    if (auto* line = last ? Supports<IZpLineStyle>(last) : nullptr) {
        edtLineColor->SetColor(line->GetColor());
        cmbLineStyle->setCurrentIndex(line->GetStyle());
        spnLineWidth->setValue(double(line->GetWidth()) / std::max(1, LabelDPI()) * 72.0);
    }
    const TZpObjectPtr fontSource = last ? last : FToolObject;
    if (auto* font = fontSource ? Supports<IZpFont>(fontSource) : nullptr) {
        // Name, size and colour show only when every selected font agrees.
        bool nameSame = true, sizeSame = true, colorSame = true;
        for (const TZpObjectPtr& o : FSession->Selection())
            if (auto* f = Supports<IZpFont>(o)) {
                nameSame = nameSame && f->GetName() == font->GetName() && f->IsNameUniform();
                sizeSame = sizeSame && f->GetSize() == font->GetSize() && f->IsSizeUniform();
                colorSame = colorSame && f->GetColor() == font->GetColor() && f->IsColorUniform();
            }
        if (state.Editing)
            nameSame = sizeSame = colorSame = true;
        if (nameSame)
            cmbFontName->setCurrentFont(QFont(font->GetName()));
        else
            cmbFontName->setCurrentIndex(-1);
        if (sizeSame)
            spnFontSize->setValue(font->GetSize());
        else
            spnFontSize->clear();
        edtFontColor->SetColor(font->GetColor(), colorSame);
    }
    for (QWidget* w : {static_cast<QWidget*>(cmbFontName), static_cast<QWidget*>(spnFontSize),
                       static_cast<QWidget*>(edtFontColor)})
        w->setEnabled(state.HasFont && unlocked);
    // The EAN/UPC layout with descenders sizes its own digits.
    auto* barcode = last ? Supports<IZpBarcode>(last) : nullptr;
    if (barcode && barcode->GetSymbology() >= 4 && barcode->GetSymbology() <= 9 && barcode->GetDescenders()) {
        spnFontSize->setEnabled(false);
        spnFontSize->clear();
    }
    for (QWidget* w : {static_cast<QWidget*>(edtFillColor), static_cast<QWidget*>(cmbFillStyle)})
        w->setEnabled(state.HasFill && unlocked);
    const bool hatch = state.HasFill && cmbFillStyle->currentIndex() > 1;
    cmbFillTransparent->setEnabled(hatch && unlocked);
    lblFillTransparent->setEnabled(hatch && unlocked);
    for (QWidget* w : {static_cast<QWidget*>(edtLineColor), static_cast<QWidget*>(cmbLineStyle),
                       static_cast<QWidget*>(spnLineWidth)})
        w->setEnabled(state.HasLine && unlocked);
}

void TfrmMain::UpdateCommandStates() {
    const bool was = FUpdating;
    FUpdating = true;
    setWindowTitle(QStringLiteral("%1 - Zentaprint").arg(FLabelName));
    const TZpCommandState state = CommandState();
    UpdateStyleBars(state);
    for (const TZpCommandRow& row : CommandTable()) {
        QAction* action = Action(QLatin1String(row.Id));
        const TZpCommandLook look = EvaluateCommand(row, state);
        action->setEnabled(look.Enabled);
        if (action->isCheckable())
            action->setChecked(look.Checked);
        if (action->text() != look.Caption)
            action->setText(look.Caption);
    }
    for (int i = 0; i < kToolbarCount; ++i)
        FToolbars[size_t(i)]->setEnabled(ToolbarEnabled(TZpToolbar(i), state));
    if (mnuFormatting)
        mnuFormatting->setEnabled(FormattingMenuEnabled(state));
    FPanels[2]->setText(QStringLiteral("%1%").arg(state.Zoom));
    FUpdating = was;
}

void TfrmMain::ShowPointerPosition(QPointF p) {
    const TZpRulerUnits units = FDocument->Environment().RulerUnits();
    if (units != ruInches && units != ruDecimalInches)
        return;
    const double ppi = ScreenPixelsPerInch();
    FPanels[1]->setText(QString::asprintf("X:%.2f Y:%.2f", p.x() / ppi, p.y() / ppi));
}

void TfrmMain::SetZoom(int percent) {
    zpDesign->SetZoom(percent);
}

void TfrmMain::RepaintLabel() {
    zpDesign->RefreshView();
}

void TfrmMain::RestoreSettings() {
    const TZpSettingsStore& store = ZpStore();
    QRect screen(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen())
        screen = s->geometry();
    const int width = store.ReadInteger(kFormPosition, QStringLiteral("Width"), 640);
    const int height = store.ReadInteger(kFormPosition, QStringLiteral("Height"), 480);
    const int left = store.ReadInteger(kFormPosition, QStringLiteral("Left"), screen.width() / 2 - 320);
    const int top = store.ReadInteger(kFormPosition, QStringLiteral("Top"), screen.height() / 2 - 240);
    resize(width, height);
    move(left, top);
    TZpIDEProperties& env = FDocument->Environment();
    env.ShowGuides = store.ReadBool(kSettings, QStringLiteral("View Guides"), true);
    env.ShowRulers = store.ReadBool(kSettings, QStringLiteral("View Rulers"), true);
    env.ShowUnprintable = store.ReadBool(kSettings, QStringLiteral("View Unprintable"), true);
    env.SnapToGuides = store.ReadBool(kSettings, QStringLiteral("Snap to Guides"), true);
    env.SnapToRulers = store.ReadBool(kSettings, QStringLiteral("Snap to Rulers"), true);
    SetZoom(store.ReadInteger(kSettings, QStringLiteral("Zoom"), 100));
    const QByteArray toolbars =
        QByteArray::fromBase64(store.ReadString(kToolbars, QStringLiteral("State"), QString()).toLatin1());
    if (!toolbars.isEmpty())
        restoreState(toolbars);
    FLastPosition = pos();
}

void TfrmMain::StoreSettings() {
    TZpSettingsStore& store = ZpStore();
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    store.WriteInteger(kFormPosition, QStringLiteral("Left"), isMaximized() ? normal.x() : x());
    store.WriteInteger(kFormPosition, QStringLiteral("Top"), isMaximized() ? normal.y() : y());
    store.WriteInteger(kFormPosition, QStringLiteral("Width"), normal.width());
    store.WriteInteger(kFormPosition, QStringLiteral("Height"), normal.height());
    const TZpIDEProperties& env = FDocument->Environment();
    store.WriteBool(kSettings, QStringLiteral("View Guides"), env.ShowGuides);
    store.WriteBool(kSettings, QStringLiteral("View Rulers"), env.ShowRulers);
    store.WriteBool(kSettings, QStringLiteral("View Unprintable"), env.ShowUnprintable);
    store.WriteBool(kSettings, QStringLiteral("Snap to Guides"), env.SnapToGuides);
    store.WriteBool(kSettings, QStringLiteral("Snap to Rulers"), env.SnapToRulers);
    store.WriteInteger(kSettings, QStringLiteral("Zoom"), env.Scale());
    store.WriteString(kToolbars, QStringLiteral("State"), QString::fromLatin1(saveState().toBase64()));
    FRecent.Save(store);
    store.Flush();
}

void TfrmMain::moveEvent(QMoveEvent* event) {
    // Floating toolbars travel with the window.
    const QPoint delta = pos() - FLastPosition;
    FLastPosition = pos();
    if (isVisible() && !delta.isNull())
        for (QToolBar* bar : FToolbars)
            if (bar->isFloating())
                bar->move(bar->pos() + delta);
    QMainWindow::moveEvent(event);
}

} // namespace zp
