#include "ranking/ProcedureVocabulary.h"

#include <QSet>

namespace esoa::assist::procedure {

// Written for this project from common laboratory, radiology, heart-station, rehabilitation and
// emergency-room usage in Philippine hospitals (the abbreviations of routine request forms and exam
// lists); no list was copied. Spellings are read after ProcedureWord, so plurals and British spellings
// need no entry of their own.
const text::PhraseTable& Phrases() {
    static const text::PhraseTable table(
        {
            // Imaging modality.
            {"xray; x ray; xr; radiograph; radiography; radiographic; roentgenogram; plain film",
             "modality:xray"},
            {"cxr; chest xray; chest x ray; chest radiograph; chest radiography", "chest modality:xray"},
            {"ct scan; computed tomography; computerized tomography; ctscan; ct-scan", "modality:ct"},
            {"ct", "?ct"},
            {"hrct; high resolution ct", "modality:ct highresolution"},
            {"cta; ct angiography; ct angiogram; ct angio", "modality:ct angiography"},
            {"mri; magnetic resonance imaging", "modality:mri"},
            {"mra; mr angiography", "modality:mri angiography"},
            {"ultrasound; ultrasonography; ultrasonogram; utz; usg; sonography; sonogram; ultrasound scan",
             "modality:ultrasound"},
            {"doppler; duplex; duplex scan; color doppler", "modality:ultrasound doppler"},
            {"2d echo; 2d echocardiography; 2d echocardiogram; echocardiography; echocardiogram; echo",
             "modality:ultrasound echo"},
            {"mammography; mammogram", "modality:mammography"},
            {"fluoroscopy", "modality:fluoroscopy"},
            // X-ray views and positions.
            {"pa; pa view", "view:pa"},
            {"ap; ap view", "view:ap"},
            {"lateral; lat; lateral view; lat view", "view:lateral"},
            {"oblique; obl", "view:oblique"},
            {"waters; water; waters view; water view", "view:waters"},
            {"caldwell; caldwell view", "view:caldwell"},
            {"apicolordotic; apico lordotic", "view:apicolordotic"},
            {"mortise", "view:mortise"},
            {"skyline; sunrise view; sunrise", "view:skyline"},
            {"supine; flat", "view:supine"},
            {"upright", "view:upright"},
            {"decubitus", "view:decubitus"},
            {"towne; townes; towne view", "view:towne"},
            {"axial; axial view", "view:axial"},
            {"frog leg; frog leg view; froglegs", "view:frogleg"},
            {"tunnel view; tunnel", "view:tunnel"},
            {"weight bearing; standing", "view:weightbearing"},
            {"portable; bedside", "mobile:yes"},
            // Age and side.
            // Age and side: an adult's exam and one side are what an exam name means when it says nothing.
            {"pediatric; pedia; ped; neonatal; newborn; neonate", "age:pediatric"},
            {"adult; unilateral; unilat; one side; one leg; left; right; lt; rt", ""},
            {"bilateral; bilat; both; both side; both leg", "side:bilateral"},
            // Contrast.
            {"plain; non contrast; noncontrast; without contrast", "contrast:plain"},
            {"contrast; with contrast; contrast enhanced", "contrast:contrast"},
            {"plain and contrast; plain and with contrast; with and without contrast; plain + contrast; "
             "plain / contrast; p + c; plain and contrast enhanced",
             "contrast:plain contrast:contrast"},
            // Specimens.
            {"serum; plasma; blood", "specimen:blood"},
            {"urine; urinary", "specimen:urine"},
            {"csf; cerebrospinal fluid; spinal fluid; cerebrospinal", "specimen:csf"},
            {"pleural fluid; pleural", "specimen:pleural"},
            {"peritoneal fluid; peritoneal; ascitic fluid; ascitic; ascite", "specimen:peritoneal"},
            {"synovial fluid; synovial; joint fluid", "specimen:synovial"},
            {"sputum", "specimen:sputum"},
            {"stool; fecal", "specimen:stool"},
            {"wound; wound swab", "specimen:wound"},
            // What part of an analyte, and how it is measured.
            {"total", "fraction:total"},
            {"direct", "fraction:direct"},
            {"indirect", "fraction:indirect"},
            {"ionized", "fraction:ionized"},
            {"free", "fraction:free"},
            {"quantitative; quanti; quant", "method:quantitative"},
            {"qualitative; quali; qual; rapid", "method:qualitative"},
            {"panel; profile", "scope:panel"},
            // Haematology and blood bank.
            {"cbc; complete blood count; complete blood cell count; full blood count; fbc", "cbc"},
            {"platelet count; platelet; plt; plt count", "platelet"},
            {"hemoglobin; hgb; hb", "hemoglobin"},
            {"hematocrit; hct", "hematocrit"},
            {"h + h; h and h", "hemoglobin hematocrit"},
            {"esr; erythrocyte sedimentation rate; sed rate; sedimentation rate", "esr"},
            {"reticulocyte count; reticulocyte; retic; retic count", "reticulocyte"},
            {"peripheral blood smear; peripheral smear; pbs", "pbs"},
            {"differential count; wbc differential; diff count; differential; diff", "differential"},
            {"wbc; wbc count; white blood cell count; white blood count; white cell count", "wbc"},
            {"rbc; rbc count; red blood cell count; red cell count", "rbc"},
            {"cell count", "cellcount"},
            {"blood typing; blood type; abo rh typing; abo typing; abo; rh typing; abo grouping; abo blood "
             "grouping",
             "bloodtyping"},
            {"crossmatching; crossmatch; cross matching; cross match; compatibility testing", "crossmatch"},
            {"prothrombin time; prothrombin; protime; pt inr; pt / inr; inr", "prothrombin"},
            {"pt", "?pt"},
            {"aptt; activated partial thromboplastin time; partial thromboplastin time", "aptt"},
            {"bleeding time; bt", "bleedingtime"},
            {"clotting time", "clottingtime"},
            {"d dimer; ddimer", "ddimer"},
            {"coomb; coomb test; antiglobulin test; antiglobulin", "coomb"},
            {"dat; direct antiglobulin test", "coomb fraction:direct"},
            {"iat; indirect antiglobulin test", "coomb fraction:indirect"},
            // Clinical microscopy.
            {"urinalysis; ua; routine urinalysis; urine routine; routine urine examination", "urinalysis"},
            {"fecalysis; stool exam; routine fecalysis; routine stool examination; stool routine",
             "fecalysis"},
            {"fecal occult blood; fecal occult blood test; occult blood; fobt; stool occult blood",
             "occultblood specimen:stool"},
            {"pregnancy test; ptest; urine pregnancy test", "pregnancytest"},
            {"beta hcg; b hcg; bhcg; hcg", "hcg"},
            {"semen analysis; sperm count", "semenanalysis"},
            // Chemistry.
            {"fbs; fasting blood sugar; fasting blood glucose; fasting plasma glucose; fpg", "fbs"},
            {"rbs; random blood sugar; random blood glucose; random plasma glucose", "rbs"},
            {"cbg; capillary blood glucose; capillary blood sugar; hgt", "cbg"},
            {"ogtt; oral glucose tolerance test", "ogtt"},
            {"ppbs; postprandial blood sugar; post prandial blood sugar; 2 hour postprandial blood sugar; "
             "2 hr ppbs; hppbs",
             "ppbs"},
            {"hba1c; glycosylated hemoglobin; glycated hemoglobin; hgba1c; hb a1c; glycohemoglobin", "hba1c"},
            {"glucose; sugar", "glucose"},
            {"lipid profile; lipid panel; lipid", "lipidprofile scope:panel"},
            {"triglyceride; tg", "triglyceride"},
            {"hdl; hdlc; hdl cholesterol", "hdl"},
            {"ldl; ldlc; ldl cholesterol", "ldl"},
            {"uric acid; bua; blood uric acid; serum uric acid", "uricacid"},
            {"creatinine; crea; serum creatinine", "creatinine"},
            {"bun; blood urea nitrogen; urea nitrogen", "bun"},
            {"sgpt; alt; alanine aminotransferase; alat; sgpt alt", "alt"},
            {"sgot; ast; aspartate aminotransferase; asat; sgot ast", "ast"},
            {"alkaline phosphatase; alp; alk phos", "alp"},
            {"ggt; gamma gt; ggtp; gamma glutamyl transferase", "ggt"},
            {"chon", "protein"},
            {"tp", "protein fraction:total"},
            {"alb", "albumin"},
            {"tb bilirubin; bilirubin tb; tbil", "bilirubin fraction:total"},
            {"db bilirubin; bilirubin db; dbil", "bilirubin fraction:direct"},
            {"ib bilirubin; bilirubin ib", "bilirubin fraction:indirect"},
            {"bilirubin tb db ib", "bilirubin fraction:total fraction:direct fraction:indirect"},
            {"a / g ratio; ag ratio", "agratio"},
            {"tpag", "protein fraction:total albumin globulin agratio"},
            {"electrolyte; lyte; serum electrolyte", "electrolyte scope:panel"},
            {"sodium; na", "sodium"},
            {"potassium; k", "potassium"},
            {"chloride; cl", "chloride"},
            {"calcium; ca", "calcium"},
            {"ica", "calcium fraction:ionized"},
            {"magnesium; mg", "magnesium"},
            {"phosphorus; inorganic phosphorus; phos", "phosphorus"},
            {"ldh; lactate dehydrogenase", "ldh"},
            {"cpk; ck; creatine kinase; cpk total; ck total", "cpk"},
            {"ckmb; cpkmb; ck mb", "ckmb"},
            {"troponin; trop; troponin i; trop i", "troponin"},
            {"ntprobnp; probnp; pro bnp", "bnp"},
            {"tsh; thyroid stimulating hormone", "tsh"},
            {"ft4; free t4; free thyroxine", "ft4"},
            {"ft3; free t3", "ft3"},
            {"thyroid function test; tft", "tft scope:panel"},
            {"liver function test; lft", "lft scope:panel"},
            {"renal function test; rft; kidney function test", "rft scope:panel"},
            {"lactate; lactic acid; serum lactate", "lactate"},
            {"abg; arterial blood gas; blood gas analysis; blood gas", "abg"},
            {"procalcitonin; pct", "procalcitonin"},
            {"tibc; total iron binding capacity", "tibc"},
            {"fe", "iron"},
            {"crcl; creatinine clearance; crea clearance", "crcl"},
            {"microalbumin; urine microalbumin", "microalbumin"},
            {"vitamin d; vit d; 25 oh vitamin d", "vitamind"},
            // Immunology and serology.
            {"hbsag; hepatitis b surface antigen", "hbsag"},
            {"anti hbs; antihbs; hbsab; hepatitis b surface antibody", "antihbs"},
            {"anti hcv; antihcv; hcv antibody; hepatitis c antibody", "antihcv"},
            {"rpr; vdrl", "rpr"},
            {"tpha; treponema pallidum hemagglutination", "tpha"},
            {"asot; aso titer; antistreptolysin o; anti streptolysin o; antistreptolysin o titer", "asot"},
            {"crp; creactive protein; c reactive protein", "crp"},
            {"hscrp; hs crp", "crp highsensitivity"},
            {"psa; prostate specific antigen", "psa"},
            {"cea; carcinoembryonic antigen", "cea"},
            {"afp; alpha fetoprotein", "afp"},
            {"ns1; ns1 antigen; ns1 ag", "ns1"},
            {"dengue duo", "dengue igg igm"},
            {"typhidot; typhoid igm", "typhidot"},
            {"widal", "widal"},
            {"h pylori; helicobacter pylori; hpylori", "hpylori"},
            {"ana; antinuclear antibody; antinuclear antibodies", "ana"},
            {"rf; rheumatoid factor", "rheumatoidfactor"},
            {"lepto; leptospira; leptospirosis", "leptospira"},
            {"malaria; malarial; mp smear", "malaria"},
            // Microbiology and pathology.
            {"gram stain; gs", "gramstain"},
            {"afb; afb smear; afb stain; acid fast bacilli; dssm", "afb"},
            {"culture and sensitivity; culture + sensitivity; c / s; culture sensitivity",
             "culture sensitivity"},
            {"ada; adenosine deaminase", "ada"},
            {"genexpert; xpert mtb / rif", "genexpert"},
            {"pap smear; papanicolaou smear; papanicolaou", "papsmear"},
            {"koh; koh mount; koh smear", "koh"},
            {"histopathology; histopath; hpe; histopathologic", "histopathology"},
            // Imaging regions.
            {"cervical spine; cspine; c spine", "cervicalspine"},
            {"thoracic spine; tspine; t spine", "thoracicspine"},
            {"lumbosacral spine; ls spine; lumbosacral", "lumbosacralspine"},
            {"paranasal sinus; pns; sinus", "pns"},
            {"kub; kidney ureter bladder; kidney ureter and bladder", "kub"},
            {"hbt; hepatobiliary tree; hepatobiliary", "hbt"},
            {"abd; abdominal", "abdomen"},
            {"arm", "humerus"},
            {"thigh", "femur"},
            {"pelvic traction", "lumbar traction"},
            {"head; brain; cranial", "head"},
            {"thorax", "chest"},
            {"tvs; transvaginal", "transvaginal"},
            {"trus; transrectal", "transrectal"},
            {"wab; whole abd", "whole abdomen"},
            {"scrotum; testicular", "scrotal"},
            {"le; lower extremity; lower limb", "lower extremity"},
            {"ue; upper extremity; upper limb", "upper extremity"},
            {"tmj; temporomandibular joint", "tmj"},
            {"ivp; intravenous pyelogram; intravenous pyelography; ivu; intravenous urography; excretory "
             "urography",
             "ivp"},
            {"ugis; upper gi series; upper gastrointestinal series; upper gi", "ugiseries"},
            {"hsg; hysterosalpingography; hysterosalpingogram", "hsg"},
            {"bps; bpp; biophysical profile", "bpp"},
            {"ob; obstetric; obstetrical", "obstetric"},
            // Heart station and rehabilitation.
            {"ecg; ekg; electrocardiogram; electrocardiography; 12 lead ecg; 12 lead; 12 l ecg; 12l ecg",
             "ecg"},
            {"holter; holter monitoring", "holter"},
            {"treadmill stress test; treadmill; stress test; tmt; exercise stress test", "stresstest"},
            {"abi; ankle brachial index", "abi"},
            {"physical therapy; physiotherapy", "physicaltherapy"},
            {"rehab; rehabilitation", "rehabilitation"},
            {"tens; transcutaneous electrical nerve stimulation; transcutaneous electric nerve stimulation",
             "tens"},
            {"ift; interferential current therapy; interferential therapy; interferential current", "ift"},
            {"hmp; hot moist pack; hot pack; moist hot pack", "hotpack"},
            {"therapeutic ultrasound; therapeutic us", "therapeuticultrasound"},
            {"chest pt; cpt; chest physiotherapy", "chest physicaltherapy"},
            // Emergency room and ward services.
            {"er; ed; emergency room; emergency department; emergency", "emergency"},
            {"consultation; consult; check up; checkup", "consultation"},
            {"observation", "observation"},
            {"suturing; suture", "suture"},
            {"incision and drainage; i + d; i and d", "incisiondrainage"},
            {"nebulization; neb; neb treatment; nebulizer treatment; nebulizer", "nebulization"},
            {"iv; intravenous", "intravenous"},
            {"im; intramuscular", "intramuscular"},
            {"cannulation", "insertion"},
            {"ngt; nasogastric tube; ng tube; nasogastric", "ngt"},
            {"foley catheter; foley; ifc; indwelling foley catheter; urinary catheter; urinary "
             "catheterization",
             "foleycatheter"},
            {"cpr; cardiopulmonary resuscitation; cardio pulmonary resuscitation", "cpr"},
            {"endotracheal intubation; et intubation; intubation; eti", "intubation"},
            {"splinting; splint; splint application", "splint"},
            {"cast application; pop cast; cast", "cast"},
            {"foreign body; fb", "foreignbody"},
            {"gastric lavage; gastric washing", "gastriclavage"},
            {"oxygen; o2; oxygen therapy; o2 inhalation; oxygen inhalation", "oxygen"},
            {"per hour; hr; hrs; hour", "hour"},
            {"blood extraction; venipuncture", "bloodextraction"},
            {"operating room; or", "operatingroom"},
            {"icu; intensive care unit", "icu"},
        },
        ProcedureWord);
    return table;
}

QString ProcedureWord(const QString& word) {
    QString w = word;
    // British spellings.
    static const std::pair<const char*, const char*> spellings[] = {
        {"haem", "hem"},        {"paed", "ped"},   {"oesoph", "esoph"}, {"oedem", "edem"},
        {"foet", "fet"},        {"anaem", "anem"}, {"gynae", "gyne"},   {"aesthe", "esthe"},
        {"isation", "ization"}, {"ised", "ized"},  {"ising", "izing"},  {"colour", "color"},
        {"titre", "titer"},     {"litre", "liter"}};
    for (const auto& [from, to] : spellings)
        if (w.contains(QLatin1String(from))) w.replace(QLatin1String(from), QLatin1String(to));
    // Plurals ("views", "sinuses", "studies"), on words long enough not to be an abbreviation.
    if (w.size() < 4 || std::any_of(w.cbegin(), w.cend(), [](QChar c) { return c.isDigit(); })) return w;
    if (w.endsWith(QLatin1String("ies")) && w.size() > 4) return w.chopped(3) + QLatin1Char('y');
    if (w.endsWith(QLatin1String("sses")) || w.endsWith(QLatin1String("uses")) ||
        w.endsWith(QLatin1String("xes")))
        return w.chopped(2);
    if (w.endsWith(QLatin1Char('s')) && !w.endsWith(QLatin1String("ss")) &&
        !w.endsWith(QLatin1String("us")) && !w.endsWith(QLatin1String("is")))
        return w.chopped(1);
    return w;
}

bool IsFiller(const QString& word) {
    static const QSet<QString> filler = {
        "with",  "and",     "of",        "for",         "the",           "a",
        "an",    "w",       "in",        "to",          "per",           "x",
        "s",     "test",    "exam",      "examination", "determination", "level",
        "assay", "study",   "procedure", "service",     "routine",       "stat",
        "opd",   "ipd",     "view",      "series",      "scan",          "imaging",
        "only",  "on",      "by",        "at",          "including",     "incl",
        "no",    "new",     "done",      "fee",         "charge",        "rate",
        "use",   "tracing", "less",      "than",        "more",          "over",
        "under", "up"};
    return filler.contains(word);
}

}  // namespace esoa::assist::procedure
