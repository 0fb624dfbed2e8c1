#include "ranking/ProcedureTerms.h"

namespace esoa::assist::procedure {

// As LaboratoryTerms(): the spellings of one thing, and the tokens it reads as.
const std::vector<text::PhraseEntry>& ServiceTerms() {
    static const std::vector<text::PhraseEntry> terms = {
        // Age and side: an adult's exam and one side are what an exam name means when it says nothing.
        {"pediatric; pedia; ped; peds; pedia rate; paediatric; child; children; infant; neonatal; newborn; "
         "neonate; baby",
         "age:pediatric"},
        {"adult; unilateral; unilat; one side; one leg; one breast; left; right; lt; rt; r or l; r / l; "
         "l / r; either side; single; r; l",
         ""},
        {"bilateral; bilat; both; both side; both leg; b / l; bl; both sides; both knees; both breasts",
         "side:bilateral"},
        // Heart station.
        {"ecg; ekg; electrocardiogram; electrocardiography; 12 lead ecg; 12 lead; 12 l ecg; 12l ecg; 12 lead "
         "ekg; ekg 12 lead; ecg 12 lead; resting ecg; 12 l",
         "ecg"},
        {"rhythm strip; long lead ii; lead ii rhythm strip", "rhythmstrip"},
        {"holter; holter monitoring; holter monitor; ambulatory ecg", "holter"},
        {"treadmill stress test; treadmill; stress test; tmt; exercise stress test; treadmill exercise test; "
         "exercise ecg; cardiac stress test",
         "stresstest"},
        {"abi; ankle brachial index; ankle arm index; abpi", "abi"},
        {"abpm; ambulatory blood pressure monitoring; ambulatory bp monitoring; ambulatory bp", "abpm"},
        {"signal averaged ecg; saecg", "ecg signalaveraged"},
        // Rehabilitation.
        {"physical therapy; physiotherapy; physio; physical rehabilitation", "physicaltherapy"},
        {"rehab; rehabilitation; rehabilitation medicine", "rehabilitation"},
        {"evaluation; eval; assessment; initial evaluation; initial eval", "evaluation"},
        {"tens; transcutaneous electrical nerve stimulation; transcutaneous electric nerve stimulation; "
         "electrical stimulation; electrical stim; e stim; estim",
         "tens"},
        {"ift; interferential current therapy; interferential therapy; interferential current; "
         "interferential; ifc",
         "ift"},
        {"hmp; hot moist pack; hot pack; moist hot pack; moist heat; hydrocollator; heat pack; hot compress",
         "hotpack"},
        {"therapeutic ultrasound; therapeutic us; ultrasound therapy; us therapy; sonotherapy",
         "therapeuticultrasound"},
        {"therapeutic exercise; exercise therapy; therex; rom exercise; therapeutic exercises",
         "therapeuticexercise"},
        {"cervical traction; neck traction; c traction; ctx", "cervical traction"},
        {"lumbar traction; pelvic traction; l traction; low back traction; ltx", "lumbar traction"},
        {"chest pt; cpt; chest physiotherapy; chest physio; chest physical therapy; pulmonary physiotherapy",
         "chest physicaltherapy"},
        {"gait training; ambulation training; gait", "gaittraining"},
        {"occupational therapy; ot", "occupationaltherapy"},
        {"speech therapy; speech", "speechtherapy"},
        {"shortwave diathermy; short wave diathermy; swd; diathermy", "diathermy"},
        {"paraffin; paraffin bath; paraffin wax bath; paraffin wax; wax bath", "paraffin"},
        {"infrared; infrared therapy; ir therapy", "infrared"},
        // Emergency room and ward services.
        {"er; ed; emergency room; emergency department; emergency", "emergency"},
        {"consultation; consult; check up; checkup; consultation fee", "consultation"},
        {"observation; obs; holding", "observation"},
        {"triage", "triage"},
        {"suturing; suture; sutures; laceration repair; wound repair", "suture"},
        {"incision and drainage; i + d; i and d; i / d; incision + drainage; abscess drainage",
         "incisiondrainage"},
        {"nebulization; neb; neb treatment; nebulizer treatment; nebulizer; aerosol therapy; nebulizer tx; "
         "nebulization treatment",
         "nebulization"},
        {"wound care; wound dressing; dressing; dressing change; wound cleaning", "dressing"},
        {"iv; intravenous; ivf", "intravenous"},
        {"im; intramuscular", "intramuscular"},
        {"sc; subcutaneous; subq", "subcutaneous"},
        {"iv insertion; iv line insertion; iv cannulation; iv line; venoclysis; ivf insertion; iv "
         "catheterization; peripheral line; iv placement",
         "intravenous insertion"},
        {"iv push; ivp drug; iv administration", "intravenous injection"},
        {"cannulation; insertion; placement", "insertion"},
        {"injection; inj; shot", "injection"},
        {"ngt; nasogastric tube; ng tube; nasogastric; levin tube; ngt insertion; ng tube insertion",
         "ngt insertion"},
        {"foley catheter; foley; ifc; indwelling foley catheter; urinary catheter; urinary catheterization; "
         "indwelling catheter; catheterization; foley catheterization; urinary catheter insertion",
         "foleycatheter insertion"},
        {"cpr; cardiopulmonary resuscitation; cardio pulmonary resuscitation; resuscitation; code blue",
         "cpr"},
        {"endotracheal intubation; et intubation; intubation; eti; ett insertion; ett; endotracheal tube "
         "insertion",
         "intubation"},
        {"splinting; splint; splint application; slab; slab application", "splint"},
        {"cast application; pop cast; cast; casting; plaster cast; pop", "cast"},
        {"foreign body; fb", "foreignbody"},
        {"removal; extraction", "removal"},
        {"gastric lavage; gastric washing; stomach wash; lavage", "gastriclavage"},
        {"oxygen; o2; oxygen therapy; o2 inhalation; oxygen inhalation; o2 therapy", "oxygen"},
        {"per hour; hr; hrs; hour; hourly; per hr; / hr; / hour", "hour"},
        {"per day; daily; / day", "day"},
        {"blood extraction; venipuncture; phlebotomy; blood collection; extraction fee", "bloodextraction"},
        {"defibrillation; defib; cardioversion", "defibrillation"},
        {"burn; burns", "burn"},
        {"operating room; or fee; or use; or suite; or charge; or nurse", "operatingroom"},
        {"delivery room; dr fee", "deliveryroom"},
        {"recovery room", "recoveryroom"},
        {"icu; intensive care unit; intensive care", "icu"},
        {"nicu; neonatal intensive care unit", "icu age:pediatric"},
        {"ambulance; ambulance conduction; ambulance service", "ambulance"},
        {"mechanical ventilator; ventilator; mechanical ventilation", "ventilator"},
        {"cpap; continuous positive airway pressure", "cpap"},
        {"hemodialysis; dialysis; hd session", "hemodialysis"},
        {"pulse oximetry; pulse oximeter; o2 saturation; spo2", "pulseoximetry"},
        {"cardiac monitor; cardiac monitoring; ecg monitor", "cardiacmonitor"},
        {"newborn screening; nbs", "newbornscreening age:pediatric"},
        {"newborn hearing screening; hearing screening; oae", "hearingscreening age:pediatric"},
        {"medical certificate; med cert", "medicalcertificate"},
    };
    return terms;
}

}  // namespace esoa::assist::procedure
