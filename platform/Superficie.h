#pragma once
// A drawing surface with persistent drawing: everything is drawn into an
// image that the widget only copies to the screen when it repaints.
// Coordinates are in twips (15 twips a pixel) or in pixels.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cmath>
#include <limits>

class Tela {
public:
    enum class Scala { Twip, Pixel };
    enum Riempimento { Pieno = 0, Trasparente = 1 };

    Tela();
    virtual ~Tela() = default;

    // Scale of every coordinate and length handed to the methods below.
    void ImpostaScala(Scala s) { scala_ = s; }
    Scala ScalaAttuale() const { return scala_; }
    double Unita() const { return scala_ == Scala::Twip ? 15.0 : 1.0; }

    // New size in pixels; the drawing is kept (new room is background).
    void RidimensionaTela(QSize pixel);
    QSize DimensionePixel() const { return img_.size(); }
    // Size in the current scale.
    double LarghezzaScala() const { return img_.width() * Unita(); }
    double AltezzaScala() const { return img_.height() * Unita(); }

    // Fills with the background colour; the text position goes to (0, 0).
    void Pulisci();

    QColor BackColor{255, 255, 255};
    QColor ForeColor{0, 0, 0};
    QColor FillColor{0, 0, 0};
    int FillStyle = Trasparente;
    int DrawWidth = 1;        // pixels
    QFont Font;
    double CurrentX = 0, CurrentY = 0;

    // Line from (x1,y1) to (x2,y2) in the given colour (ForeColor when invalid).
    void Linea(double x1, double y1, double x2, double y2, QColor colore = QColor());
    // Box with corners (x1,y1)-(x2,y2): its outline in the given colour,
    // filled with FillColor when FillStyle is Pieno; pieno = true fills the
    // whole box with the outline colour instead.
    void Rettangolo(double x1, double y1, double x2, double y2, QColor colore = QColor(), bool pieno = false);
    // Circle of radius r at (x,y), outline in colore, filled by FillStyle and
    // FillColor. With start and end angles (radians, counter-clockwise from
    // 3 o'clock) it draws an arc; a negative angle means "draw the radius
    // at that end too" and closes a sector, filled like the circle.
    static constexpr double NessunAngolo = std::numeric_limits<double>::quiet_NaN();
    void Cerchio(double x, double y, double r, QColor colore = QColor(), double inizio = NessunAngolo,
                 double fine = NessunAngolo);
    // Prints text with its top-left corner at the current text position,
    // in ForeColor and Font; the position moves to the end of the text on
    // the same line.
    void Stampa(const QString& testo);
    // Width and height of a text in the current scale.
    double LarghezzaTesto(const QString& testo) const;
    double AltezzaTesto(const QString& testo) const;
    // Filled polygon (pixel or scale coordinates as the scale says): filled
    // with FillColor when FillStyle is Pieno, edges in ForeColor.
    void Poligono(const QPointF* punti, int quanti);

    const QImage& Immagine() const { return img_; }
    QImage& Immagine() { return img_; }

protected:
    // Called after every drawing operation (the widget schedules a repaint).
    virtual void Disegnato() {}

private:
    Scala scala_ = Scala::Twip;
    QImage img_;
};

// The on-screen surface.
class Superficie : public QWidget, public Tela {
    Q_OBJECT
public:
    explicit Superficie(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void Disegnato() override;
};

// The off-screen twin (never shown): a picture with persistent drawing.
class SuperficieNascosta : public Tela {
public:
    SuperficieNascosta() = default;
};
