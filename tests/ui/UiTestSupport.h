#pragma once
// A scripted dialog seam and a main window with a small conversion table, for the window tests.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/DialogSeam.h"
#include "ui/MainWindow.h"

class TScriptedDialogs : public TDialogSeam {
public:
    // The answers of the next file and folder dialogs, in order; an empty one, or none left, cancels.
    std::deque<QString> Answers;
    std::vector<TFileDialogSpec> OpenRequests;
    std::vector<TFileDialogSpec> SaveRequests;
    std::vector<QString> FolderCaptions;
    std::vector<QString> Messages;
    // Font and font-save dialogs answer from their own queues; an empty family or file
    // name, or none left, cancels.
    std::deque<TFontChoice> FontAnswers;
    std::vector<TFontChoice> FontRequests;
    std::deque<TFontSaveChoice> FontSaveAnswers;
    std::vector<std::pair<TFileDialogSpec, bool>> FontSaveRequests;

    std::optional<QString> OpenFile(QWidget*, const TFileDialogSpec& spec) override
    {
        OpenRequests.push_back(spec);
        return Next();
    }
    std::optional<QString> SaveFile(QWidget*, const TFileDialogSpec& spec) override
    {
        SaveRequests.push_back(spec);
        return Next();
    }
    std::optional<QString> BrowseFolder(QWidget*, const QString& caption) override
    {
        FolderCaptions.push_back(caption);
        return Next();
    }
    std::optional<TFontChoice> ChooseFont(QWidget*, const TFontChoice& current) override
    {
        FontRequests.push_back(current);
        if (FontAnswers.empty())
            return std::nullopt;
        const TFontChoice answer = FontAnswers.front();
        FontAnswers.pop_front();
        if (answer.Family.isEmpty())
            return std::nullopt;
        return answer;
    }
    std::optional<TFontSaveChoice> SaveFont(QWidget*, const TFileDialogSpec& spec, bool saveOptions) override
    {
        FontSaveRequests.emplace_back(spec, saveOptions);
        if (FontSaveAnswers.empty())
            return std::nullopt;
        const TFontSaveChoice answer = FontSaveAnswers.front();
        FontSaveAnswers.pop_front();
        if (answer.FileName.isEmpty())
            return std::nullopt;
        return answer;
    }
    void ShowMessage(QWidget*, const QString& text, TMessageKind) override { Messages.push_back(text); }
    // The discard question answers from its queue; none left answers Cancel.
    std::deque<bool> DiscardAnswers;
    std::vector<QString> DiscardQuestions;
    bool ConfirmDiscard(QWidget*, const QString& question) override
    {
        DiscardQuestions.push_back(question);
        if (DiscardAnswers.empty())
            return false;
        const bool answer = DiscardAnswers.front();
        DiscardAnswers.pop_front();
        return answer;
    }
    // Choice questions answer from their queue; none left cancels.
    std::deque<int> ChoiceAnswers;
    std::vector<QString> ChoiceQuestions;
    std::optional<int> ChooseOne(QWidget*, const QString& question, const QStringList&) override
    {
        ChoiceQuestions.push_back(question);
        if (ChoiceAnswers.empty())
            return std::nullopt;
        const int answer = ChoiceAnswers.front();
        ChoiceAnswers.pop_front();
        return answer;
    }
    // Plays the user's part in the glyph editor and says whether it is applied; none cancels.
    std::function<bool(TGlyphEditor&)> EditorScript;
    bool EditGlyphs(TGlyphEditor& editor) override { return EditorScript && EditorScript(editor); }

private:
    std::optional<QString> Next()
    {
        if (Answers.empty())
            return std::nullopt;
        const QString answer = Answers.front();
        Answers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }
};

// A table of 128 characters (identity) and a second preset of 3.
void WriteTestTable(const QString& fileName);

// Not narrower than its caption needs, and inside every box around it up to the page.
void ExpectShownWhole(const QWidget* control, const QWidget* page);
// Inside every box around it up to the page.
void ExpectInside(const QWidget* control, const QWidget* page);

// Calls Answer with the next modal dialog as soon as it runs.
void AnswerNextDialog(std::function<void(QWidget*)> answer);

struct TWindowFixture {
    QTemporaryDir Folder;
    TScriptedDialogs* Dialogs = nullptr;
    std::unique_ptr<TfrmMain> Window;

    // With a table beside the "program" unless WithTable is false; the window is shown.
    explicit TWindowFixture(bool withTable = true);
    // With the table and these dialogs instead of scripted ones (Dialogs stays null).
    explicit TWindowFixture(std::unique_ptr<TDialogSeam> dialogs);
    QString Path(const QString& name) const { return Folder.filePath(name); }
    template <class T>
    T* Find(const char* name) const
    {
        return Window->findChild<T*>(QString::fromLatin1(name));
    }

private:
    void Open(bool withTable, std::unique_ptr<TDialogSeam> dialogs);
};
