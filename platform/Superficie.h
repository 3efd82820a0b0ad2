#pragma once
// A drawing surface with persistent drawing: everything is drawn into an
// image that the widget only copies to the screen when it repaints.
// Coordinates are in twips (15 twips a pixel) or in pixels; every point is
// rounded to the nearest pixel (halves to the even neighbour).
//
// Lines, boxes, circles, arcs and polygon edges are set pixel by pixel, so
// an arc lies exactly on the rim of the circle with the same centre and
// radius and a radius ends exactly on it. Text and polygon insides go
// through one painter that stays open between calls and is closed before
// the image is handed out (Immagine) or resized.
#include "platform/Finestre.h"
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <limits>
#include <memory>
#include <vector>

class QPainter;

class Tela {
public:
    enum class Scala { Twip, Pixel };
    enum Riempimento { Pieno = 0, Trasparente = 1 };

    Tela();
    virtual ~Tela();

    // Scale of every coordinate and length handed to the methods below.
    void ImpostaScala(Scala s) { scala_ = s; }
    double Unita() const { return scala_ == Scala::Twip ? TwipPerPixel : 1.0; }

    // New size in pixels; the drawing is kept (new room is background,
    // what falls outside a smaller size is cut off).
    void RidimensionaTela(QSize pixel);
    QSize DimensionePixel() const { return img_.size(); }
    // Size in the current scale.
    double LarghezzaScala() const { return img_.width() * Unita(); }

    // Fills with the background colour; the text position goes to (0, 0).
    void Pulisci();

    QColor BackColor{255, 255, 255};
    QColor ForeColor{0, 0, 0};
    QColor FillColor{0, 0, 0};
    int FillStyle = Trasparente;   // Pieno fills boxes, circles, sectors and polygons
    int DrawWidth = 1;             // pixels
    QFont Font;
    double CurrentX = 0, CurrentY = 0;

    // Line from (x1,y1) to (x2,y2), both ends included, in the given colour
    // (ForeColor when invalid). The text position moves to (x2,y2).
    void Linea(double x1, double y1, double x2, double y2, QColor colore = QColor());
    // Box with corners (x1,y1)-(x2,y2), both included: its outline in the
    // given colour, filled with FillColor when FillStyle is Pieno; pieno =
    // true fills the whole box with the outline colour instead.
    void Rettangolo(double x1, double y1, double x2, double y2, QColor colore = QColor(), bool pieno = false);
    // Circle of radius r at (x,y), outline in colore, filled by FillStyle and
    // FillColor. With start and end angles (radians, counter-clockwise from
    // 3 o'clock, so towards the top of the screen) it draws the arc from the
    // start to the end; a negative angle means "draw the radius at that end
    // too", and with both negative the closed sector is filled like the
    // circle. Equal start and end give the whole rim (a whole disc for a
    // sector). The text position moves to the centre.
    static constexpr double NessunAngolo = std::numeric_limits<double>::quiet_NaN();
    void Cerchio(double x, double y, double r, QColor colore = QColor(), double inizio = NessunAngolo,
                 double fine = NessunAngolo);
    // Only the radius of that circle at the given angle, ending on the same
    // rim pixel as the end radius of an arc of Cerchio, without the rim.
    // The text position moves to the centre.
    void Raggio(double x, double y, double r, double angolo, QColor colore = QColor());
    // Prints text with its top-left corner at the current text position,
    // in ForeColor and Font; the position moves to the end of the text on
    // the same line. A line break inside the text starts a new line at x 0.
    void Stampa(const QString& testo);
    // Width and height of a text in the current scale.
    double LarghezzaTesto(const QString& testo) const;
    double AltezzaTesto(const QString& testo) const;
    // Polygon through the points (in the current scale): filled with
    // FillColor when FillStyle is Pieno (alternate filling), edges in
    // ForeColor.
    void Poligono(const QPointF* punti, int quanti);
    void Poligono(const std::vector<QPointF>& punti) { Poligono(punti.data(), int(punti.size())); }

    // Colour of the pixel under the point (x,y) of the current scale;
    // invalid outside the surface.
    QColor Punto(double x, double y) const;

    // The persistent drawing. Take it again after drawing more.
    const QImage& Immagine() const;
    QImage& Immagine();

protected:
    // Called after every drawing operation (the widget schedules a repaint).
    virtual void Disegnato() {}
    // The size the drawing must take before the next operation, or an
    // invalid size to keep it (the on-screen surface follows its widget).
    virtual QSize DimensioneVoluta() const { return {}; }

private:
    // The painter kept open on the image between calls. Copying a surface
    // closes the painter of the original first (so the two images cannot
    // share a buffer that is still being painted) and gives the copy none.
    struct PittoreAperto {
        mutable std::unique_ptr<QPainter> p;
        PittoreAperto() = default;
        PittoreAperto(const PittoreAperto& altro);
        PittoreAperto& operator=(const PittoreAperto& altro);
        ~PittoreAperto();
        void Chiudi() const;
    };

    // Scale value to whole pixels (nearest, halves to even; clamped far
    // outside any surface).
    int InPixel(double v) const;
    // Makes the image ready for drawing (32-bit pixels, 96 dots per inch).
    void Prepara();
    QPainter& Pittore();
    void ChiudiPittore() const { pittore_.Chiudi(); }

    Scala scala_ = Scala::Twip;
    PittoreAperto pittore_;   // before img_: see PittoreAperto
    QImage img_;
};

// Where a radius of a circle of radius r pixels drawn by Cerchio or Raggio at
// the given angle (radians, as Raggio takes it) ends, as an offset from the
// centre with y downwards: the pixel of the circle's rim nearest to that
// direction. A NaN angle gives (r, 0).
QPoint FineDelRaggio(int r, double angolo);

// The on-screen surface.
class Superficie : public QWidget, public Tela {
    Q_OBJECT
public:
    explicit Superficie(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void Disegnato() override;
    QSize DimensioneVoluta() const override;

private:
    // A repaint is asked for and has not come yet: it will show every
    // drawing made until then.
    bool ridisegnoChiesto_ = false;
};

// The off-screen twin (never shown): a picture with persistent drawing.
class SuperficieNascosta : public Tela {
public:
    SuperficieNascosta() = default;
};
