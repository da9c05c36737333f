#include "runner/qt/runnerwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFont>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "model/domanda.h"
#include "model/test.h"
#include "runner/core/session.h"
#include "student/tempo.h"
#include "text/codifica.h"
#include "tstfile/esportacsv.h"

namespace quadrivo::runner {

namespace {

enum Page { kStartPage, kQuestionPage, kEndPage };

// The widest an image of a question is shown, in pixels.
constexpr int kImageWidth = 480;

QString JudgementText(TCorrect judgement)
{
    switch (judgement) {
        case TCorrect::Yes:
            return QCoreApplication::translate("quadrivo::runner::RunnerWindow", "Esatta");
        case TCorrect::Nearly:
            return QCoreApplication::translate("quadrivo::runner::RunnerWindow", "Quasi esatta");
        case TCorrect::No:
            return QCoreApplication::translate("quadrivo::runner::RunnerWindow", "Errata");
        case TCorrect::Skip:
            return QCoreApplication::translate("quadrivo::runner::RunnerWindow", "Saltata");
        case TCorrect::Late:
            return QCoreApplication::translate("quadrivo::runner::RunnerWindow", "In ritardo");
        default:
            return QCoreApplication::translate("quadrivo::runner::RunnerWindow", "Non valutata");
    }
}

// Scores as the results window shows them: two decimals at most, with a
// decimal comma.
QString ScoreText(double score)
{
    return QString::fromStdString(DecimalText(score));
}

QString TimeText(int seconds)
{
    return FromModel(FormatMinSec(seconds));
}

QLabel* WrappedLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void ScaleFont(QWidget* widget, double factor, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    widget->setFont(font);
}

// The solution of a question as a student reads it.
QString Solution(const CDomanda& q)
{
    switch (q.GetTypeQue()) {
        case TQue::MultipleAnswer: {
            QStringList correct;
            for (int p = 0; p < q.GetAnswerCount(); ++p)
                if (q.GetShownAnswer(p).IsCorrect()) correct << FromModel(q.GetShownAnswer(p).GetTextAns());
            return correct.join(QStringLiteral("; "));
        }
        case TQue::SingleNumber:
            return FromModel(CStringa(q.GetNumOk()));
        case TQue::SingleText:
            return FromModel(q.GetTextOk());
        default:
            return QString();
    }
}

// The image a question names, as the file gives it ('\\' or '/' between
// folders): relative to the questionnaire's folder, or else to the current
// folder, where the editor starts a question tried out alone from a
// temporary file. A null pixmap when there is none to read.
QPixmap QuestionImage(const CTest& test, const CDomanda& q)
{
    const QString name = FromModel(q.GetImage()).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QPixmap picture;
    if (name.isEmpty()) return picture;
    if (QDir::isAbsolutePath(name)) {
        picture.load(name);
        return picture;
    }
    // The questionnaire's path is the operating system's text, not the file's.
    const QString folder = QFileInfo(QString::fromLocal8Bit(test.TestFileName().CStr())).absolutePath();
    if (!picture.load(QDir(folder).filePath(name))) picture.load(name);
    return picture;
}

}  // namespace

void WaitInEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QString FromModel(const CStringa& text)
{
    if (!text.IsOk()) return QString();
    return QString::fromStdString(Utf8FromWindows1252(std::string_view(text.CStr(), text.Length())));
}

CStringa ToModel(const QString& text)
{
    return CStringa(Windows1252FromUtf8(text.toStdString()).c_str());
}

RunnerWindow::RunnerWindow(Session& session, CTest& test, ResultStore* store, QWidget* parent)
    : QMainWindow(parent), session_(session), test_(test), store_(store)
{
    ask = [this](const QString& text) {
        return QMessageBox::question(this, tr("Attenzione"), text) == QMessageBox::Yes;
    };
    tell = [this](const QString& text) { QMessageBox::information(this, tr("Informazione"), text); };

    const QString name = FromModel(session_.TestName());
    setWindowTitle(name.isEmpty() ? QStringLiteral("Quadrivo") : QStringLiteral("Quadrivo - %1").arg(name));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(createStartPage());
    pages_->addWidget(createQuestionPage());
    pages_->addWidget(createEndPage());
    setCentralWidget(pages_);
    resize(720, 560);

    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &RunnerWindow::tick);
}

QWidget* RunnerWindow::createStartPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* title = WrappedLabel(page);
    title->setText(FromModel(session_.TestName()));
    ScaleFont(title, 1.6, true);
    layout->addWidget(title);
    auto* text = WrappedLabel(page);
    text->setText(FromModel(session_.TestText()));
    layout->addWidget(text);
    auto* time = new QLabel(page);
    const int minutes = session_.MinutesAllowed();
    if (minutes == 0)
        time->setText(tr("Nessun limite di tempo"));
    else if (minutes == 1)
        time->setText(tr("Tempo a disposizione: 1 minuto"));
    else
        time->setText(tr("Tempo a disposizione: %1 minuti").arg(minutes));
    layout->addWidget(time);
    layout->addSpacing(12);

    auto* form = new QFormLayout;
    name_ = new QLineEdit(page);
    name_->setMaxLength(80);
    form->addRow(tr("&Nome e cognome:"), name_);
    password_ = new QLineEdit(page);
    password_->setEchoMode(QLineEdit::Password);
    form->addRow(tr("&Password:"), password_);
    passwordLabel_ = qobject_cast<QLabel*>(form->labelForField(password_));
    const bool needsPassword = session_.NeedsPassword();
    password_->setVisible(needsPassword);
    if (passwordLabel_) passwordLabel_->setVisible(needsPassword);
    layout->addLayout(form);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    start_ = new QPushButton(tr("&Inizia"), page);
    start_->setDefault(true);
    buttons->addWidget(start_);
    layout->addLayout(buttons);
    connect(start_, &QPushButton::clicked, this, &RunnerWindow::startTest);
    connect(name_, &QLineEdit::returnPressed, this, &RunnerWindow::startTest);
    connect(password_, &QLineEdit::returnPressed, this, &RunnerWindow::startTest);
    return page;
}

QWidget* RunnerWindow::createQuestionPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 16, 24, 16);

    auto* status = new QHBoxLayout;
    position_ = new QLabel(page);
    ScaleFont(position_, 1.0, true);
    score_ = new QLabel(page);
    testTime_ = new QLabel(page);
    questionTime_ = new QLabel(page);
    status->addWidget(position_);
    status->addStretch();
    status->addWidget(score_);
    status->addSpacing(16);
    status->addWidget(questionTime_);
    status->addSpacing(16);
    status->addWidget(testTime_);
    layout->addLayout(status);
    layout->addSpacing(8);

    questionText_ = WrappedLabel(page);
    ScaleFont(questionText_, 1.25, false);
    layout->addWidget(questionText_);
    image_ = new QLabel(page);
    image_->setAlignment(Qt::AlignCenter);
    layout->addWidget(image_);

    choiceBox_ = new QWidget(page);
    choiceLayout_ = new QVBoxLayout(choiceBox_);
    choiceLayout_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(choiceBox_);
    answer_ = new QLineEdit(page);
    answer_->setMaxLength(250);
    layout->addWidget(answer_);
    notAsked_ = WrappedLabel(page);
    notAsked_->setText(tr("Questa domanda non richiede una risposta: premi Conferma per proseguire."));
    layout->addWidget(notAsked_);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    quit_ = new QPushButton(tr("&Termina"), page);
    putOff_ = new QPushButton(tr("&Rimanda"), page);
    skip_ = new QPushButton(tr("&Salta"), page);
    confirm_ = new QPushButton(tr("&Conferma"), page);
    confirm_->setDefault(true);
    buttons->addWidget(quit_);
    buttons->addStretch();
    buttons->addWidget(putOff_);
    buttons->addWidget(skip_);
    buttons->addWidget(confirm_);
    layout->addLayout(buttons);
    connect(confirm_, &QPushButton::clicked, this, &RunnerWindow::confirmAnswer);
    connect(answer_, &QLineEdit::returnPressed, this, &RunnerWindow::confirmAnswer);
    connect(skip_, &QPushButton::clicked, this, &RunnerWindow::skipQuestion);
    connect(putOff_, &QPushButton::clicked, this, &RunnerWindow::putOffQuestion);
    connect(quit_, &QPushButton::clicked, this, &RunnerWindow::quitTest);
    return page;
}

QWidget* RunnerWindow::createEndPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* title = new QLabel(tr("Test terminato"), page);
    ScaleFont(title, 1.6, true);
    layout->addWidget(title);
    endScore_ = new QLabel(page);
    ScaleFont(endScore_, 1.25, false);
    layout->addWidget(endScore_);
    outcomes_ = new QTableWidget(0, 3, page);
    outcomes_->setHorizontalHeaderLabels({tr("Domanda"), tr("Giudizio"), tr("Punti")});
    outcomes_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    outcomes_->verticalHeader()->hide();
    outcomes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    outcomes_->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(outcomes_);
    saveStatus_ = WrappedLabel(page);
    layout->addWidget(saveStatus_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(tr("C&hiudi"), page);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return page;
}

void RunnerWindow::startTrial()
{
    trial_ = true;
    if (session_.Start(CStringa(), CStringa()) != StartProblem::None) {
        tell(tr("La domanda da provare non c'è nel questionario."));
        return;
    }
    showQuestion();
}

void RunnerWindow::startTest()
{
    switch (session_.Start(ToModel(name_->text()), ToModel(password_->text()))) {
        case StartProblem::NoName:
            tell(tr("Scrivi il tuo nome e cognome per iniziare."));
            name_->setFocus();
            return;
        case StartProblem::WrongPassword:
            tell(tr("La password non è corretta."));
            password_->selectAll();
            password_->setFocus();
            return;
        case StartProblem::NoQuestions:
            tell(tr("Il questionario non ha domande da porre."));
            return;
        case StartProblem::None:
            break;
    }
    if (session_.SinkFailed())
        tell(
            tr("Non riesco a scrivere il file dei risultati accanto al test: le risposte potrebbero "
               "non essere salvate. Avvisa l'insegnante."));
    timer_->start();
    showQuestion();
}

void RunnerWindow::showQuestion()
{
    const CDomanda* q = session_.Current();
    if (!q) {
        showEnd();
        return;
    }
    pages_->setCurrentIndex(kQuestionPage);
    position_->setText(tr("Domanda %1 di %2").arg(session_.Position()).arg(session_.AskedCount()));
    score_->setVisible(session_.ShowsScore());
    score_->setText(tr("Punteggio: %1").arg(ScoreText(session_.TotalScore())));
    questionText_->setText(FromModel(q->GetTextQue()));

    QPixmap picture = QuestionImage(test_, *q);
    if (!picture.isNull() && picture.width() > kImageWidth)
        picture = picture.scaledToWidth(kImageWidth, Qt::SmoothTransformation);
    image_->setPixmap(picture);
    image_->setVisible(!picture.isNull());

    for (QAbstractButton* button : choices_.buttons()) {
        choices_.removeButton(button);
        delete button;
    }
    choiceIndex_.clear();
    const TQue type = q->GetTypeQue();
    choiceBox_->setVisible(type == TQue::MultipleAnswer);
    if (type == TQue::MultipleAnswer) {
        const bool single = q->GetSelection() == TSel::Single;
        choices_.setExclusive(single);
        for (int p = 0; p < q->GetAnswerCount(); ++p) {
            const QString text = FromModel(q->GetShownAnswer(p).GetTextAns());
            QAbstractButton* button = single
                                          ? static_cast<QAbstractButton*>(new QRadioButton(text, choiceBox_))
                                          : new QCheckBox(text, choiceBox_);
            choices_.addButton(button, p);
            choiceLayout_->addWidget(button);
            choiceIndex_.push_back(q->GetShownIndex(p));
        }
    }
    answer_->clear();
    answer_->setVisible(type == TQue::SingleNumber || type == TQue::SingleText);
    if (type == TQue::SingleNumber)
        answer_->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[+-]?[0-9]*([.,][0-9]*)?")), answer_));
    else
        answer_->setValidator(nullptr);
    answer_->setPlaceholderText(type == TQue::SingleNumber ? tr("Scrivi un numero")
                                                           : tr("Scrivi la risposta"));
    notAsked_->setVisible(!IsJudgedKind(type));
    if (answer_->isVisible()) answer_->setFocus();

    skip_->setVisible(session_.CanSkip());
    putOff_->setVisible(session_.CanPutOff());
    quit_->setVisible(session_.CanQuit());
    updateTimes();
}

CReplica RunnerWindow::currentReply() const
{
    CReplica reply;
    const auto buttons = choices_.buttons();
    for (QAbstractButton* button : buttons) {
        const int p = choices_.id(button);
        if (button->isChecked() && p >= 0 && p < static_cast<int>(choiceIndex_.size()))
            reply.Marked[choiceIndex_[p]] = true;
    }
    reply.Typed = ToModel(answer_->text());
    return reply;
}

void RunnerWindow::confirmAnswer()
{
    const CDomanda* q = session_.Current();
    if (!q) return;
    double number = 0;
    const CStringa typed = ToModel(answer_->text().trimmed());
    if (q->GetTypeQue() == TQue::SingleNumber && typed.Length() != 0 && !ReadTypedNumber(typed, &number)) {
        tell(tr("La risposta deve essere un numero, per esempio 12,5."));
        answer_->setFocus();
        return;
    }
    if (session_.AsksConfirmation() && IsJudgedKind(q->GetTypeQue()) && !ask(tr("Confermi la risposta?")))
        return;
    // The test's time may have run out while the question was asked.
    if (!session_.Current()) return;
    const int index = session_.CurrentIndex();
    const CGiudizio judged = session_.Confirm(currentReply());
    showSolution(judged, index);
    showQuestion();
}

void RunnerWindow::skipQuestion()
{
    if (!session_.Current()) return;
    session_.Skip();
    showQuestion();
}

void RunnerWindow::putOffQuestion()
{
    if (session_.PutOff()) showQuestion();
}

void RunnerWindow::quitTest()
{
    if (!session_.Current()) return;
    if (!ask(tr("Vuoi terminare il test? Le domande non ancora viste restano senza risposta.")) ||
        !session_.Current())
        return;
    session_.Quit();
    showQuestion();
}

void RunnerWindow::tick()
{
    if (session_.Tick()) {
        tell(tr("Il tempo a disposizione è finito."));
        showQuestion();
        return;
    }
    updateTimes();
}

void RunnerWindow::updateTimes()
{
    const int testLeft = session_.TestSecondsLeft();
    testTime_->setVisible(testLeft >= 0);
    testTime_->setText(tr("Tempo del test: %1").arg(TimeText(testLeft)));
    const int questionLeft = session_.QuestionSecondsLeft();
    questionTime_->setVisible(questionLeft >= 0);
    questionTime_->setText(questionLeft > 0 ? tr("Tempo della domanda: %1").arg(TimeText(questionLeft))
                                            : tr("Tempo della domanda scaduto"));
}

void RunnerWindow::showSolution(const CGiudizio& judged, int index)
{
    if (!session_.ShowsSolution() || judged.Judgement == TCorrect::Disable) return;
    QString text;
    switch (judged.Judgement) {
        case TCorrect::Yes:
            text = tr("Risposta esatta.");
            break;
        case TCorrect::Nearly:
            text = tr("Risposta quasi esatta.");
            break;
        case TCorrect::Skip:
            text = tr("Domanda saltata.");
            break;
        case TCorrect::Late:
            text = tr("Risposta data fuori tempo.");
            break;
        default:
            text = tr("Risposta errata.");
            break;
    }
    if (judged.Judgement != TCorrect::Yes)
        text += tr("\nLa risposta giusta: %1").arg(Solution(*test_.GetQuestion(index)));
    if (session_.ShowsScore()) text += tr("\nPunti: %1").arg(ScoreText(judged.Score));
    tell(text);
}

void RunnerWindow::showEnd()
{
    if (ended_) return;
    ended_ = true;
    timer_->stop();
    pages_->setCurrentIndex(kEndPage);
    const bool showScore = session_.ShowsScore();
    endScore_->setVisible(showScore);
    endScore_->setText(tr("Punteggio totale: %1").arg(ScoreText(session_.TotalScore())));
    outcomes_->setVisible(showScore);
    outcomes_->setRowCount(0);
    for (const QuestionOutcome& outcome : session_.Outcomes()) {
        const int row = outcomes_->rowCount();
        outcomes_->insertRow(row);
        QString text = FromModel(test_.GetQuestion(outcome.index)->GetTextQue()).simplified();
        if (text.size() > 70) text = text.left(69) + QChar(0x2026);
        outcomes_->setItem(row, 0, new QTableWidgetItem(QStringLiteral("%1. %2").arg(row + 1).arg(text)));
        outcomes_->setItem(row, 1, new QTableWidgetItem(JudgementText(outcome.judgement)));
        auto* points = new QTableWidgetItem(ScoreText(outcome.score));
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        outcomes_->setItem(row, 2, points);
    }
    outcomes_->resizeColumnToContents(1);

    if (!store_) {
        saveStatus_->setText(trial_ ? tr("Prova della domanda: le risposte non sono salvate.") : QString());
        return;
    }
    saveStatus_->setText(tr("Salvataggio dei risultati..."));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const CStringa resultFile = store_->ResultFile();
    const SaveOutcome outcome = store_->Finish();
    QGuiApplication::restoreOverrideCursor();
    switch (outcome) {
        case SaveOutcome::Saved:
            saveStatus_->setText(tr("I risultati sono stati salvati."));
            break;
        case SaveOutcome::LockBusy:
        case SaveOutcome::WriteFailed:
            if (resultFile.Length() == 0)
                saveStatus_->setText(tr("Non è stato possibile salvare i risultati. Avvisa l'insegnante."));
            else
                saveStatus_->setText(tr("Non è stato possibile aggiungere i risultati al file della classe: "
                                        "restano nel file %1. Avvisa l'insegnante.")
                                         .arg(FromModel(resultFile)));
            break;
    }
}

void RunnerWindow::closeEvent(QCloseEvent* event)
{
    if (!session_.Current()) {
        event->accept();
        return;
    }
    if (!ask(tr("Vuoi chiudere il test? Le risposte date finora vengono salvate."))) {
        event->ignore();
        return;
    }
    if (session_.Current()) session_.Quit();
    showEnd();
    event->accept();
}

}  // namespace quadrivo::runner
