#pragma once

#include <QMarginsF>
#include <QPointF>
#include <QQueue>
#include <QString>

#include <memory>
#include <vector>

class FieldAccess;
struct FormDrawing;
struct PrintSettings;

// A printed page as data: the report page, its one band, the artwork beneath
// and the text boxes laid over the form's fields. Every Left and Top is in
// layout points (1/96 inch), relative to the element's anchor.

enum class Anchor {
    Band,  // from the band's top-left corner, i.e. the page margins
    Page,  // from the paper's top-left corner
};

// The two faces of the printed values. Arial and Courier New resolve to
// Liberation Sans and Liberation Mono, which have the same advance widths.
enum class BoxFont {
    Sans11,  // Arial 11 pt
    Mono12,  // Courier New 12 pt, for the values printed one character per cell
};

enum class BoxAlign { Left, Right };

// Where an element stands; the unit of KolejkaPolozen.
struct Placement
{
    int left = 0;
    int top = 0;
    friend bool operator==(const Placement &, const Placement &) = default;
};

struct TextBox
{
    QString name;      // the position it shows ("p_25", "p_7_1")
    Anchor anchor;
    Placement at;
    int width;
    int height;
    BoxAlign align;
    BoxFont font;
    QString text;      // rewritten at every composition
};

struct Artwork
{
    std::shared_ptr<const FormDrawing> drawing;  // our drawing of the form page
    Placement at;      // band-anchored
    int width;         // the drawing's own size, in whole points
    int height;
    bool visible = true;
};

// 1 layout point = 1/96 inch.
inline constexpr double PointsPerInch = 96.0;
inline constexpr double MmPerPoint = 25.4 / PointsPerInch;

class PageComposition
{
public:
    virtual ~PageComposition() = default;

    // Fills the boxes from the declaration; called at every composition.
    virtual void beforePrint(const FieldAccess &fields) = 0;

    int pageNumber() const { return m_pageNumber; }
    // Paper A4 portrait; the margins put the band's corner on the paper.
    QMarginsF marginsMm() const { return m_marginsMm; }
    // The band's corner from the paper's corner, in layout points.
    QPointF bandOrigin() const;
    int bandWidth() const { return 722; }
    int bandHeight() const { return 1065; }

    const Artwork &artwork() const { return QRImageFormularz; }
    const std::vector<TextBox> &boxes() const { return m_boxes; }
    TextBox *box(const QString &name);
    const TextBox *box(const QString &name) const;

    // Where every element stands, in the page's element order: the report
    // page, the band, the artwork, then every box.
    std::vector<Placement> placements() const;

    // Shifts and scales every element for printing onto a pre-printed form,
    // with the settings of opcje.ini; the old positions go into
    // KolejkaPolozen. Nothing happens when the settings ask for the whole form.
    void ZastosujOpcjeWydruku(const PrintSettings &settings);
    // Puts every element back and the artwork on; nothing when not shifted.
    void PrzywrocPolozenia();
    bool isShifted() const { return !KolejkaPolozen.isEmpty(); }

protected:
    PageComposition(int pageNumber, QMarginsF marginsMm, Artwork artwork, std::vector<TextBox> boxes);
    // The drawing is built around the boxes, so it comes once they stand.
    void setDrawing(std::shared_ptr<const FormDrawing> drawing) { QRImageFormularz.drawing = std::move(drawing); }
    void setText(const QString &boxName, const QString &text);
    // Fills this page's boxes from the positions of the table: a text as it
    // stands, a choice as "x" in the box of its entry ("_1" for the first,
    // "_2" for any other), a check mark as "x". A position with no box on
    // this page, or named `except`, is passed over.
    void fillFromPositions(const FieldAccess &fields, const QString &except = {});

    // Left and Top of each element before the shift, two values per element.
    QQueue<int> KolejkaPolozen;

private:
    std::vector<Placement *> elements();

    int m_pageNumber;
    QMarginsF m_marginsMm;
    Placement m_reportPage;
    Placement m_band;
    Artwork QRImageFormularz;
    std::vector<TextBox> m_boxes;
};
