#include "ranking/ProcedureTerms.h"

namespace esoa::assist::procedure {

// As LaboratoryTerms(): the spellings of one thing, and the tokens it reads as.
const std::vector<text::PhraseEntry>& ImagingTerms() {
    static const std::vector<text::PhraseEntry> terms = {
        // Modalities.
        {"xray; x ray; xr; radiograph; radiography; radiographic; roentgenogram; plain film; plain "
         "radiograph; radiology; xray film",
         "modality:xray"},
        {"cxr; chest xray; chest x ray; chest radiograph; chest radiography; chest film",
         "chest modality:xray"},
        {"ct scan; computed tomography; computerized tomography; computerised tomography; ctscan; cat scan; "
         "msct; mdct; computed tomo; ct scan imaging",
         "modality:ct"},
        {"hrct; high resolution ct", "modality:ct highresolution"},
        {"cta; ct angiography; ct angiogram; ct angio", "modality:ct angiography"},
        {"stonogram; ct stonogram; ct kub", "modality:ct kub"},
        {"mri; magnetic resonance imaging; mr imaging; magnetic resonance; mri scan; mr", "modality:mri"},
        {"mra; mr angiography; mr angiogram", "modality:mri angiography"},
        {"ultrasound; ultrasonography; ultrasonogram; utz; usg; sonography; sonogram; ultrasound scan; "
         "sono; echography; u / s; ultra sound",
         "modality:ultrasound"},
        // "US" is an ultrasound, or the therapeutic ultrasound of a rehabilitation list.
        {"us", "?us"},
        {"doppler; duplex; duplex scan; color doppler; colour doppler; doppler ultrasound; duplex "
         "ultrasound",
         "modality:ultrasound doppler"},
        {"2d echo; 2d echocardiography; 2d echocardiogram; echocardiography; echocardiogram; echo; tte; "
         "transthoracic echo; cardiac echo; 2 d echo",
         "modality:ultrasound echo"},
        {"mammography; mammogram; mammo", "modality:mammography"},
        {"fluoroscopy; fluoro", "modality:fluoroscopy"},
        {"dexa; bone densitometry; bone density; bmd", "modality:dexa"},
        // Views and positions.
        {"pa; pa view; posteroanterior; postero anterior; posterior anterior; pa projection", "view:pa"},
        {"ap; ap view; anteroposterior; antero posterior; anterior posterior; ap projection", "view:ap"},
        {"lateral; lat; lateral view; lat view; side view; lateral projection", "view:lateral"},
        {"apl; ap / l; ap l; ap lat; aplat", "view:ap view:lateral"},
        {"pal; pa / l; pa l; pa lat", "view:pa view:lateral"},
        {"apo; ap / o; ap obl", "view:ap view:oblique"},
        {"pao; pa / o; pa obl", "view:pa view:oblique"},
        {"aplo; apl obl; apl / obl; ap / lat / obl", "view:ap view:lateral view:oblique"},
        {"oblique; obl; obliq; oblique view; both oblique; oblique projection", "view:oblique"},
        {"waters; water; waters view; water view; occipitomental; om view", "view:waters"},
        {"caldwell; caldwell view; pa axial", "view:caldwell"},
        {"sinus series; pns series; series caldwell waters lateral",
         "view:caldwell view:waters view:lateral"},
        {"apicolordotic; apico lordotic; lordotic; lordotic view; apical lordotic", "view:apicolordotic"},
        {"mortise; mortise view", "view:mortise"},
        {"skyline; sunrise view; sunrise; skyline view; merchant view; merchant; tangential", "view:skyline"},
        {"supine; flat; recumbent; flat plate", "view:supine"},
        {"upright; erect; standing upright", "view:upright"},
        {"decubitus; lateral decubitus; decub", "view:decubitus"},
        {"prone", "view:prone"},
        {"towne; towne view; reverse towne", "view:towne"},
        {"axial; axial view; axillary view; axillary", "view:axial"},
        {"frog leg; frog leg view; frogleg; froglegs; frog", "view:frogleg"},
        {"tunnel view; tunnel; intercondylar; notch view", "view:tunnel"},
        {"open mouth; open mouth view; odontoid; odontoid view; dens view", "view:openmouth"},
        {"flexion extension; flexion and extension; flexion / extension; flex ext; flexion; extension; "
         "dynamic view",
         "view:flexion"},
        {"swimmer; swimmer view", "view:swimmer"},
        {"weight bearing; standing", "view:weightbearing"},
        {"cross table; cross table lateral; shoot through", "view:crosstable"},
        {"portable; bedside; mobile; portable xray; bedside xray", "mobile:yes"},
        // Contrast.
        {"plain; non contrast; noncontrast; without contrast; nc; unenhanced; non enhanced; nonenhanced; "
         "no contrast; scout; precontrast; pre contrast; non ionic; ncct",
         "contrast:plain"},
        {"contrast; contr; cont; with contrast; contrast enhanced; enhanced; iv contrast; c +; cect; with iv "
         "contrast; "
         "post contrast; with dye; contrast study",
         "contrast:contrast"},
        {"plain and contrast; plain and with contrast; with and without contrast; plain + contrast; plain / "
         "contrast; p + c; p / c; plain and contrast enhanced; pre and post contrast; plain / enhanced; "
         "plain and enhanced; nc + c; nc / c; plain + enhanced; plain with contrast; pre + post contrast; "
         "pre / post contrast; without and with contrast",
         "contrast:plain contrast:contrast"},
        // Body regions: one token per region, whatever the spelling.
        {"head; brain; cranial; cerebral", "head"},
        {"skull; cranium", "skull"},
        {"chest; thorax; thoracic cage", "chest"},
        {"abdomen; abd; abdominal; abdo", "abdomen"},
        {"whole abdomen; wab; whole abd; abdomen whole; whole abdominal; abdomen and pelvis; abdomen / "
         "pelvis; abdomen pelvis; abdominopelvic; complete abdomen",
         "whole abdomen"},
        {"upper abdomen; upper abd; abdomen upper; upper abdominal", "upper abdomen"},
        {"lower abdomen; lower abd; abdomen lower; lower abdominal", "lower abdomen"},
        {"pelvis; pelvic; pelvic cavity", "pelvis"},
        {"kub; kidney ureter bladder; kidney ureter and bladder; kidney ureter + bladder; kidney / ureter / "
         "bladder; kidneys ureters bladder; kub renal",
         "kub"},
        {"kidney; renal", "kidney"},
        {"kubp; kub p; kub / p; kub / prostate; kub prostate", "kub prostate"},
        {"hbt; hepatobiliary tree; hepatobiliary; liver and gallbladder; liver + gallbladder; "
         "liver / gallbladder; gallbladder and liver",
         "hbt"},
        {"liver; hepatic", "liver"},
        {"gallbladder; gb; gall bladder", "gallbladder"},
        {"prostate; prostate gland; prostatic", "prostate"},
        {"thyroid gland; thyroid", "thyroid"},
        {"neck; neck soft tissue; soft tissue neck", "neck"},
        {"breast; breasts; mammary", "breast"},
        {"scrotum; scrotal; testicular; teste; testis; testicle; hemiscrotum", "scrotal"},
        {"inguinal; groin; inguinal region; inguinoscrotal", "inguinal"},
        {"soft tissue; superficial mass; soft tissue mass; superficial", "softtissue"},
        {"cervical spine; cspine; c spine; cervical vertebra; cervical vertebrae; c spine series",
         "cervicalspine"},
        {"thoracic spine; tspine; t spine; dorsal spine; thoracic vertebra; thoracic vertebrae",
         "thoracicspine"},
        {"lumbosacral spine; ls spine; lumbosacral; lss; lumbar spine; l spine; lspine; lumbosacral "
         "vertebra; "
         "lumbar vertebra; lumbar vertebrae; l s spine; lumbo sacral; lumbo sacral spine",
         "lumbosacralspine"},
        {"thoracolumbar spine; tl spine; thoracolumbar", "thoracolumbarspine"},
        {"sacrum; sacral; coccyx; sacrococcygeal; sacro coccygeal; sacrum coccyx; sacrum and coccyx",
         "sacrum"},
        {"whole spine; entire spine; spine survey", "wholespine"},
        {"paranasal sinus; pns; sinus; paranasal", "pns"},
        {"facial bone; face; facial", "facialbone"},
        {"nasal bone; nasal bones", "nasalbone"},
        {"orbit; orbital", "orbit"},
        {"temporal bone; mastoid; iac; internal auditory canal; petrous", "temporalbone"},
        {"mandible; jaw; mandibular", "mandible"},
        {"tmj; temporomandibular joint; temporomandibular", "tmj"},
        {"sella turcica; sella", "sella"},
        {"clavicle; collar bone; collarbone; clavicular", "clavicle"},
        {"rib; rib cage; rib series; costal", "rib"},
        {"sternum; sternal", "sternum"},
        {"scapula; scapular; shoulder blade", "scapula"},
        {"shoulder; shoulder joint", "shoulder"},
        {"humerus; arm; upper arm; humeral", "humerus"},
        {"elbow; elbow joint", "elbow"},
        {"forearm; radius ulna; radius and ulna; radius / ulna; radius + ulna", "forearm"},
        {"wrist; wrist joint; carpal; carpals", "wrist"},
        {"hand; hand bone; metacarpal", "hand"},
        {"finger; digit", "finger"},
        {"hip; hip joint", "hip"},
        {"femur; thigh; femoral; thigh bone", "femur"},
        {"knee; knee joint; patella", "knee"},
        {"leg; tibia fibula; tib fib; tibia and fibula; tibia / fibula; lower leg; tibia; fibula; tibfib",
         "leg"},
        {"ankle; ankle joint", "ankle"},
        {"foot; feet", "foot"},
        {"heel; calcaneus; calcaneal; os calcis", "calcaneus"},
        {"toe; toes", "toe"},
        {"extremity; extremities", "extremity"},
        {"le; lower extremity; lower limb; lower extremities; lower limbs", "lower extremity"},
        {"ue; upper extremity; upper limb; upper extremities; upper limbs", "upper extremity"},
        {"babygram; baby gram; infantogram", "babygram"},
        {"skeletal survey; bone survey; metastatic survey", "skeletalsurvey"},
        // Ultrasound exams.
        {"tvs; transvaginal; transvaginal scan; endovaginal; tv scan; tvus", "transvaginal"},
        {"tas; transabdominal", "transabdominal"},
        {"trus; transrectal; transrectal ultrasound", "transrectal"},
        {"ob; obstetric; obstetrical; obstetrics; ob gyne", "obstetric"},
        {"first trimester; 1st trimester; early pregnancy", "firsttrimester"},
        {"second trimester; 2nd trimester", "secondtrimester"},
        {"third trimester; 3rd trimester", "thirdtrimester"},
        {"bps; bpp; biophysical profile; biophysical score; biophysical scoring; biophysical", "bpp"},
        {"transfontanelle; neurosonogram; cranial ultrasound; transfontanel", "head age:pediatric"},
        {"carotid; carotid artery; carotid arteries", "carotid"},
        {"venous; vein", "venous"},
        {"arterial; artery", "arterial"},
        {"fast; fast scan; efast; focused assessment with sonography", "fast"},
        // Named studies.
        {"ivp; intravenous pyelogram; intravenous pyelography; ivu; intravenous urography; excretory "
         "urography",
         "ivp"},
        {"ugis; upper gi series; upper gastrointestinal series; upper gi; barium meal", "ugiseries"},
        {"barium swallow; esophagogram; barium esophagogram", "bariumswallow"},
        {"barium enema", "bariumenema"},
        {"hsg; hysterosalpingography; hysterosalpingogram", "hsg"},
        {"myelogram; myelography", "myelogram"},
        {"angiography; angiogram; angio", "angiography"},
    };
    return terms;
}

}  // namespace esoa::assist::procedure
