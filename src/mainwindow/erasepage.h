#pragma once

#include <QWidget>

class QLabel;

namespace kw {

class Pictures;
class PictureButton;

// The page that erases every result: an offer, then "Are you sure?", then
// what came of it. It asks and shows; the main window does the erasing.
class ErasePage : public QWidget {
    Q_OBJECT

public:
    enum class State { Offer, Confirm, Done, Failed };

    explicit ErasePage(const Pictures &pictures, QWidget *parent = nullptr);

    State state() const { return m_state; }
    // Every showing of the page starts with the offer.
    void showOffer();
    // After erasing: done when no file was left unwritten, otherwise the
    // names of the files that still hold old results.
    void showErased(const QStringList &unwrittenFileNames);

    PictureButton *trashButton() const { return m_trash; }
    PictureButton *yesButton() const { return m_yes; }
    PictureButton *noButton() const { return m_no; }

signals:
    // The pupil confirmed: erase now.
    void eraseConfirmed();

private:
    void setState(State state);

    State m_state = State::Offer;
    QLabel *m_offer = nullptr;
    QLabel *m_question = nullptr;
    QLabel *m_done = nullptr;
    QLabel *m_failed = nullptr;
    PictureButton *m_trash = nullptr;
    PictureButton *m_yes = nullptr;
    PictureButton *m_no = nullptr;
};

} // namespace kw
