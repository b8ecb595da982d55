#pragma once
#include <QObject>
#include <QString>

// Carries the program's look: loads a skin file (a Qt style sheet of ours in
// "skinfiles/<name>.skinres" under the program folder) for every window. Created at
// the main window's first showing and kept until the program ends; never shown.
class TF_Skin : public QObject {
    Q_OBJECT
public:
    explicit TF_Skin(QObject* parent = nullptr);
    ~TF_Skin() override;

    // Loads the named skin; when its file is missing, every operator's skin is set back
    // to "iMaginary" and that one is loaded. A missing "iMaginary" file throws.
    void ChangeSkin(const QString& name);

    // The style sheet in force after the last ChangeSkin.
    QString LoadedSkin() const { return loaded_; }

private:
    QString loaded_;
};

extern TF_Skin* F_Skin;
