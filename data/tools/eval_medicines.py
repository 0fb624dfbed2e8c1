"""Medicines of the suggestion evaluation set: a formulary of real generic names with their usual
presentations, and the ways a PhilHealth list and hospital masters write them.

Written for this project from general pharmacy knowledge (the presentations follow common formulary
usage); no product register was copied. Drugs of one class sit together so that look-alike names share
strengths and forms.

One drug a line: "generic[;salt] | presentation | presentation ...". A presentation is
"form[+qualifier] kind values [: packs]":
  form       tab cap susp syr drops amp vial inf cream oint gel lotion neb inh nasal sach supp eyedrops
             eardrops eyeoint vagtab vagcream pfs gran soln
  qualifier  mr chew dt sl eff ec conc
  kind       mg mcg g iu (an amount), mg5 (per 5 mL), mgml mcgml iuml meqml (per mL), pct (%), mgg iug
             (per g), mcgdose (per dose), combo (a/b mg), combo5 (a/b mg per 5 mL)
  packs      mL of a bottle, ampule or bag; g of a tube
"""

FORMULARY = """
losartan;potassium | tab mg 25 50 100
valsartan | tab mg 40 80 160
irbesartan | tab mg 75 150 300
telmisartan | tab mg 20 40 80
candesartan;cilexetil | tab mg 8 16
olmesartan;medoxomil | tab mg 20 40
losartan + hydrochlorothiazide | tab combo 50/12.5 100/25
telmisartan + amlodipine | tab combo 40/5 80/5
captopril | tab mg 25 50
enalapril;maleate | tab mg 5 10 20
lisinopril | tab mg 5 10 20
ramipril | tab mg 2.5 5 10 | cap mg 5 10
perindopril;arginine | tab mg 5 10
amlodipine;besilate | tab mg 5 10
felodipine | tab+mr mg 5 10
nifedipine | tab+mr mg 20 30 60 | cap mg 5 10
nicardipine;hydrochloride | amp mgml 1 : 10 | tab mg 20 40
diltiazem;hydrochloride | tab mg 60 | tab+mr mg 90 120 180
verapamil;hydrochloride | tab mg 40 80 | tab+mr mg 240
metoprolol;tartrate | tab mg 50 100 | tab+mr mg 25 50 100
atenolol | tab mg 25 50 100
bisoprolol;fumarate | tab mg 2.5 5 10
propranolol;hydrochloride | tab mg 10 40
carvedilol | tab mg 6.25 12.5 25
furosemide | tab mg 20 40 | amp mgml 10 : 2 4
hydrochlorothiazide | tab mg 12.5 25 50
spironolactone | tab mg 25 50 100
indapamide | tab+mr mg 1.5 | tab mg 2.5
clonidine;hydrochloride | tab mcg 75 150
hydralazine;hydrochloride | amp mgml 20 : 1 | tab mg 25 50
methyldopa | tab mg 250 500
atorvastatin;calcium | tab mg 10 20 40 80
rosuvastatin;calcium | tab mg 5 10 20 40
simvastatin | tab mg 10 20 40
pravastatin;sodium | tab mg 10 20 40
fenofibrate | cap mg 160 200 300
clopidogrel;bisulfate | tab mg 75
aspirin | tab mg 80 325 | tab+ec mg 80 100
cilostazol | tab mg 50 100
trimetazidine;dihydrochloride | tab+mr mg 35 | tab mg 20
isosorbide dinitrate | tab+sl mg 5 | tab mg 10
isosorbide mononitrate | tab+mr mg 30 60
digoxin | tab mcg 250 | amp mcgml 250 : 2
amiodarone;hydrochloride | tab mg 200 | amp mgml 50 : 3
warfarin;sodium | tab mg 1 2.5 5
rivaroxaban | tab mg 10 15 20
heparin;sodium | vial iuml 1000 5000 : 5 10
enoxaparin;sodium | pfs combo 40/0.4 60/0.6
tranexamic acid | amp mgml 100 : 5 | cap mg 250 500
phytomenadione | amp mgml 10 : 1 | amp mgml 2 : 0.5
metformin;hydrochloride | tab mg 500 850 1000 | tab+mr mg 500 750 1000
gliclazide | tab mg 80 | tab+mr mg 30 60
glimepiride | tab mg 1 2 3 4
glibenclamide | tab mg 2.5 5
glipizide | tab mg 5 10
sitagliptin;phosphate | tab mg 25 50 100
vildagliptin | tab mg 50
linagliptin | tab mg 5
pioglitazone;hydrochloride | tab mg 15 30
sitagliptin + metformin | tab combo 50/500 50/850 50/1000
insulin human regular | vial iuml 100 : 10
insulin human isophane | vial iuml 100 : 10
insulin glargine | pfs iuml 100 : 3
levothyroxine;sodium | tab mcg 25 50 75 100
methimazole | tab mg 5 10
propylthiouracil | tab mg 50
omeprazole | cap mg 20 40 | vial mg 40
esomeprazole;magnesium | tab mg 20 40 | vial mg 40
pantoprazole;sodium | tab mg 20 40 | vial mg 40
lansoprazole | cap mg 15 30
rabeprazole;sodium | tab mg 10 20
famotidine | tab mg 20 40
ranitidine;hydrochloride | tab mg 150 300 | amp mgml 25 : 2
metoclopramide;hydrochloride | tab mg 10 | amp mgml 5 : 2
domperidone | tab mg 10 | susp mg5 5 : 60
ondansetron;hydrochloride | tab mg 4 8 | amp mgml 2 : 2 4
loperamide;hydrochloride | cap mg 2
hyoscine;butylbromide | tab mg 10 | amp mgml 20 : 1
lactulose | syr mg5 3300 : 60 120
bisacodyl | tab+ec mg 5 | supp mg 5 10
simethicone | tab+chew mg 40 80 | drops mgml 40 : 15
sucralfate | tab mg 1000 | susp mg5 1000 : 200
ursodeoxycholic acid | cap mg 250 | tab mg 300
oral rehydration salts | sach g 4.1 20.5
aluminum hydroxide + magnesium hydroxide | susp combo5 225/200 : 120 | tab+chew combo 200/400
amoxicillin;trihydrate | cap mg 250 500 | susp mg5 125 250 : 60 100 | drops mgml 100 : 15 | tab+dt mg 250
ampicillin;sodium | vial mg 250 500 1000 | cap mg 250 500
cloxacillin;sodium | cap mg 250 500 | susp mg5 125 : 60
amoxicillin + clavulanic acid | tab combo 500/125 875/125 | susp combo5 250/62.5 400/57 : 60 70 | vial combo 1000/200
ampicillin + sulbactam | vial combo 1000/500 500/250 | tab mg 375 750
piperacillin + tazobactam | vial combo 4000/500 2000/250
cefalexin | cap mg 250 500 | susp mg5 125 250 : 60
cefadroxil | cap mg 500 | susp mg5 125 250 : 60
cefuroxime;axetil | tab mg 250 500 | vial mg 750 1500 | susp mg5 125 250 : 50 70
cefaclor | cap mg 250 500 | susp mg5 125 250 : 60
cefixime | cap mg 200 400 | susp mg5 100 : 30 60
cefpodoxime;proxetil | tab mg 100 200 | susp mg5 40 100 : 50
ceftriaxone;disodium | vial mg 250 500 1000 2000
cefotaxime;sodium | vial mg 500 1000
ceftazidime | vial mg 1000 2000
cefazolin;sodium | vial mg 500 1000
cefepime;hydrochloride | vial mg 1000 2000
cefoxitin;sodium | vial mg 1000
meropenem | vial mg 500 1000
imipenem + cilastatin | vial combo 500/500
vancomycin;hydrochloride | vial mg 500 1000
azithromycin;dihydrate | tab mg 250 500 | susp mg5 200 : 15 30 | vial mg 500
clarithromycin | tab mg 250 500 | susp mg5 125 250 : 50 70 | tab+mr mg 500
erythromycin;stearate | tab mg 250 500 | susp mg5 200 : 60
ciprofloxacin;hydrochloride | tab mg 250 500 750 | inf mgml 2 : 100 | eyedrops pct 0.3 : 5
levofloxacin | tab mg 250 500 750 | inf mgml 5 : 100 150
ofloxacin | tab mg 200 400 | eyedrops pct 0.3 : 5 | eardrops pct 0.3 : 5
moxifloxacin;hydrochloride | tab mg 400 | eyedrops pct 0.5 : 5
doxycycline;hyclate | cap mg 100
tetracycline;hydrochloride | cap mg 250 500 | eyeoint pct 1 : 3.5
metronidazole | tab mg 250 500 | susp mg5 125 : 60 | inf mgml 5 : 100 | vagtab mg 500
clindamycin;hydrochloride | cap mg 150 300 | amp mgml 150 : 2 4
cotrimoxazole | tab combo 400/80 800/160 | susp combo5 200/40 : 60 120
nitrofurantoin | cap mg 50 100
gentamicin;sulfate | amp mgml 40 : 2 | eyedrops pct 0.3 : 5 | cream pct 0.1 : 15
amikacin;sulfate | vial mgml 250 : 2 | amp mgml 125 : 2
chloramphenicol | cap mg 250 500 | eyedrops pct 0.5 : 5 | eardrops pct 5 : 10 | vial mg 1000
tobramycin | eyedrops pct 0.3 : 5 | eyeoint pct 0.3 : 3.5
tobramycin + dexamethasone | eyedrops combo 3/1 : 5
fluconazole | cap mg 50 150 200 | inf mgml 2 : 100
ketoconazole | tab mg 200 | cream pct 2 : 15 | shampoo pct 2 : 60
clotrimazole | cream pct 1 : 10 20 | vagtab mg 100 500 | vagcream pct 1 2 : 20
miconazole;nitrate | cream pct 2 : 15 | vagcream pct 2 : 20 | gel pct 2 : 20
terbinafine;hydrochloride | tab mg 250 | cream pct 1 : 15
nystatin | susp iuml 100000 : 30 | vagtab iu 100000
itraconazole | cap mg 100
acyclovir | tab mg 200 400 800 | cream pct 5 : 5 | susp mg5 200 : 120 | eyeoint pct 3 : 4.5
valacyclovir;hydrochloride | tab mg 500 1000
oseltamivir;phosphate | cap mg 30 45 75
isoniazid | tab mg 100 300 | syr mg5 200 : 120
rifampicin | cap mg 150 300 450 | susp mg5 200 : 120
pyrazinamide | tab mg 500 | susp mg5 250 : 120
ethambutol;hydrochloride | tab mg 400
chloroquine;phosphate | tab mg 250
primaquine;phosphate | tab mg 15
hydroxychloroquine;sulfate | tab mg 200
artemether + lumefantrine | tab combo 20/120
albendazole | tab mg 400 | tab+chew mg 400 | susp mg5 200 : 10 20
mebendazole | tab+chew mg 100 500 | susp mg5 100 : 30
praziquantel | tab mg 600
paracetamol | tab mg 325 500 650 | syr mg5 120 250 : 60 120 | drops mgml 100 : 15 | amp mgml 150 : 2 | inf mgml 10 : 50 100 | supp mg 125 250
ibuprofen | tab mg 200 400 | susp mg5 100 200 : 60 120 | cap mg 200
mefenamic acid | cap mg 250 500 | tab mg 500 | susp mg5 50 : 60
diclofenac;sodium | tab mg 50 | tab+ec mg 25 50 | tab+mr mg 75 100 | amp mgml 25 : 3 | gel pct 1 : 20 50
diclofenac;potassium | tab mg 25 50
naproxen;sodium | tab mg 275 550
celecoxib | cap mg 100 200 400
etoricoxib | tab mg 60 90 120
ketorolac;tromethamine | tab mg 10 | amp mgml 30 : 1
meloxicam | tab mg 7.5 15
piroxicam | cap mg 10 20
indomethacin | cap mg 25
tramadol;hydrochloride | cap mg 50 | amp mgml 50 : 2 | tab+mr mg 100
tramadol + paracetamol | tab combo 37.5/325
morphine;sulfate | amp mgml 10 : 1 | tab+mr mg 10 30
nalbuphine;hydrochloride | amp mgml 10 : 1
codeine;phosphate | tab mg 30
pethidine;hydrochloride | amp mgml 50 : 2
colchicine | tab mg 0.5
allopurinol | tab mg 100 300
febuxostat | tab mg 40 80
cetirizine;dihydrochloride | tab mg 10 | syr mg5 5 : 30 60 | drops mgml 10 : 10
levocetirizine;dihydrochloride | tab mg 5 | syr mg5 2.5 : 60
loratadine | tab mg 10 | syr mg5 5 : 60
desloratadine | tab mg 5 | syr mg5 2.5 : 60
fexofenadine;hydrochloride | tab mg 60 120 180
chlorphenamine;maleate | tab mg 4 | syr mg5 2.5 : 60
diphenhydramine;hydrochloride | cap mg 25 50 | amp mgml 50 : 1
hydroxyzine;dihydrochloride | tab mg 10 25 | syr mg5 10 : 60
salbutamol;sulfate | tab mg 2 4 | syr mg5 2 : 60 120 | neb combo 2.5/2.5 | inh mcgdose 100
ipratropium;bromide | neb mcgml 250 : 2 | inh mcgdose 20
ipratropium + salbutamol | neb combo 0.5/2.5
budesonide | neb mcgml 250 500 : 2 | inh mcgdose 100 200 | nasal mcgdose 64
fluticasone;propionate | inh mcgdose 50 125 250 | nasal mcgdose 50 | cream pct 0.05 : 15
salmeterol + fluticasone | inh combo 25/50 25/125 25/250
budesonide + formoterol | inh combo 160/4.5 320/9
montelukast;sodium | tab mg 10 | tab+chew mg 4 5 | gran mg 4
ambroxol;hydrochloride | tab mg 30 | syr mg5 15 30 : 60 | drops mgml 6 : 15
carbocisteine | cap mg 500 | syr mg5 100 250 : 60
acetylcysteine | sach mg 200 600 | tab+eff mg 600
guaifenesin | syr mg5 100 : 60
theophylline | tab+mr mg 200 300
lagundi | tab mg 300 600 | syr mg5 300 : 60
prednisone | tab mg 5 10 20
prednisolone | syr mg5 15 : 60 | eyedrops pct 1 : 5
methylprednisolone;sodium succinate | vial mg 40 125 500 | tab mg 4 16
dexamethasone;sodium phosphate | amp mgml 4 5 : 1 | tab mg 0.5 4 | eyedrops pct 0.1 : 5
hydrocortisone;sodium succinate | vial mg 100 250 | cream pct 1 : 5 15
betamethasone;valerate | cream pct 0.1 : 15 | oint pct 0.1 : 15
betamethasone;dipropionate | cream pct 0.05 : 15 | lotion pct 0.05 : 30
clobetasol;propionate | cream pct 0.05 : 15 | oint pct 0.05 : 15
mometasone;furoate | cream pct 0.1 : 5 15 | nasal mcgdose 50
triamcinolone;acetonide | cream pct 0.1 : 5 | amp mgml 40 : 1
phenytoin;sodium | cap mg 100 | amp mgml 50 : 2 | susp mg5 125 : 120
carbamazepine | tab mg 200 | tab+mr mg 200 400 | susp mg5 100 : 100
valproic acid | cap mg 250 | syr mg5 250 : 120 | tab+mr mg 500
levetiracetam | tab mg 250 500 1000 | amp mgml 100 : 5 | soln mgml 100 : 300
lamotrigine | tab mg 25 50 100 | tab+dt mg 5 25
phenobarbital;sodium | tab mg 15 30 60 | amp mgml 130 : 1
gabapentin | cap mg 100 300 400
pregabalin | cap mg 25 50 75 150
clonazepam | tab mg 0.5 2
diazepam | tab mg 2 5 10 | amp mgml 5 : 2
midazolam;hydrochloride | amp mgml 1 5 : 5 3
alprazolam | tab mg 0.25 0.5
zolpidem;tartrate | tab mg 10 | tab+mr mg 6.25 12.5
sertraline;hydrochloride | tab mg 50 100
fluoxetine;hydrochloride | cap mg 20
escitalopram;oxalate | tab mg 10 20
paroxetine;hydrochloride | tab mg 20
amitriptyline;hydrochloride | tab mg 10 25
haloperidol | tab mg 0.5 1.5 5 | amp mgml 5 : 1
risperidone | tab mg 1 2 | soln mgml 1 : 30
olanzapine | tab mg 5 10 | tab+dt mg 5 10
quetiapine;fumarate | tab mg 25 100 200 | tab+mr mg 50 200 300
chlorpromazine;hydrochloride | tab mg 100 200 | amp mgml 25 : 2
lithium carbonate | tab mg 300 | tab+mr mg 450
folic acid | tab mg 1 5
ferrous sulfate | tab mg 325 | syr mg5 150 : 60 | drops mgml 75 : 15
ferrous sulfate + folic acid | tab combo 325/0.25
zinc;sulfate | syr mg5 20 : 60 | tab+dt mg 20
calcium carbonate | tab mg 500 1250 | tab+chew mg 500
calcium carbonate + vitamin d3 | tab combo 600/0.01
ascorbic acid | tab mg 500 | syr mg5 100 : 60 120 | drops mgml 100 : 15 | amp mgml 250 : 2
vitamin b1 + b6 + b12 | tab combo 100/5/0.05 | amp combo 100/100/1
retinol | cap iu 100000 200000
cholecalciferol | cap iu 1000 | drops iuml 400 : 10
potassium chloride | tab+mr mg 600 750 | vial+conc meqml 2 : 20 | syr mg5 1000 : 120
sodium bicarbonate | tab mg 650 | amp pct 8.4 : 50
magnesium sulfate | amp pct 50 : 10 2 | amp pct 20 : 10
calcium gluconate | amp pct 10 : 10
sodium chloride | inf pct 0.9 : 250 500 1000 | inf pct 0.45 : 500 | inf pct 3 : 500 | amp pct 0.9 : 10 | nasal pct 0.65 : 30
dextrose | inf pct 5 : 250 500 1000 | inf pct 10 : 500 | vial pct 50 : 50
dextrose + sodium chloride | inf combo 5/0.9 5/0.3 : 500 1000
lactated ringer's solution | inf mgml 0 : 500 1000
mannitol | inf pct 20 : 250 500
sterile water for injection | amp mgml 0 : 5 10 | inf mgml 0 : 1000
albumin human | vial pct 20 25 : 50 100
epinephrine;hydrochloride | amp mgml 1 : 1
norepinephrine;bitartrate | amp mgml 1 : 4
dopamine;hydrochloride | amp mgml 40 : 5
dobutamine;hydrochloride | amp mgml 12.5 : 20
atropine;sulfate | amp mgml 1 : 1 | amp mgml 0.5 : 1
adenosine | amp mgml 3 : 2
nitroglycerin | tab+sl mcg 400 | amp mgml 5 : 5 10
lidocaine;hydrochloride | vial pct 1 2 : 20 50 | spray pct 10 : 50 | gel pct 2 : 30 | amp pct 2 : 5
bupivacaine;hydrochloride | amp pct 0.5 : 4 10 | vial pct 0.25 : 20
propofol | amp mgml 10 : 20 | vial mgml 10 : 50
ketamine;hydrochloride | vial mgml 50 : 10
oxytocin | amp iuml 10 : 1
methylergometrine;maleate | amp mcgml 200 : 1 | tab mcg 125
misoprostol | tab mcg 200
progesterone | cap mg 100 200 | vagtab mg 200
dydrogesterone | tab mg 10
terbutaline;sulfate | amp mcgml 500 : 1 | tab mg 2.5
tamsulosin;hydrochloride | cap+mr mcg 200 400
finasteride | tab mg 5
doxazosin;mesylate | tab mg 2 4
mupirocin | oint pct 2 : 5 15 | cream pct 2 : 15
fusidic acid | cream pct 2 : 5 15 | oint pct 2 : 15
silver sulfadiazine | cream pct 1 : 25 50 500
permethrin | cream pct 5 : 30 | lotion pct 1 : 60
tretinoin | cream pct 0.025 0.05 : 20
benzoyl peroxide | gel pct 2.5 5 : 15 30
urea | cream pct 10 20 : 40
neomycin + polymyxin b + bacitracin | oint combo 3.5/5000/400 : 15
povidone-iodine | soln pct 10 : 60 120 1000 | oint pct 10 : 20
timolol;maleate | eyedrops pct 0.25 0.5 : 5
latanoprost | eyedrops pct 0.005 : 2.5
tropicamide | eyedrops pct 0.5 1 : 10
hypromellose | eyedrops pct 0.3 : 10 15
tetanus toxoid | amp mgml 0 : 0.5
hepatitis b vaccine | vial mcgml 20 : 1 | vial mcgml 10 : 0.5
activated charcoal | powder g 50 | tab mg 250
"""

# The generic names that masters and lists write in another accepted spelling.
SPELLINGS = {
    "paracetamol": ["acetaminophen"],
    "salbutamol": ["albuterol"],
    "epinephrine": ["adrenaline"],
    "norepinephrine": ["noradrenaline"],
    "lidocaine": ["lignocaine"],
    "glibenclamide": ["glyburide"],
    "chlorphenamine": ["chlorpheniramine"],
    "cefalexin": ["cephalexin"],
    "cefadroxil": ["cephadroxil"],
    "acyclovir": ["aciclovir"],
    "furosemide": ["frusemide"],
    "rifampicin": ["rifampin"],
    "phytomenadione": ["phytonadione", "vitamin k1"],
    "amoxicillin": ["amoxycillin"],
    "cotrimoxazole": ["co-trimoxazole", "sulfamethoxazole + trimethoprim"],
    "amoxicillin + clavulanic acid": ["co-amoxiclav", "amoxicillin + potassium clavulanate"],
    "hydrochlorothiazide": ["hctz"],
    "isoniazid": ["inh"],
    "potassium chloride": ["kcl"],
    "sodium chloride": ["nacl"],
    "sodium bicarbonate": ["nahco3", "sodium bicarb"],
    "magnesium sulfate": ["mgso4", "magnesium sulphate"],
    "ferrous sulfate": ["ferrous sulphate", "feso4"],
    "valproic acid": ["sodium valproate"],
    "retinol": ["vitamin a"],
    "cholecalciferol": ["vitamin d3"],
    "ascorbic acid": ["vitamin c"],
    "hyoscine": ["scopolamine"],
    "methylergometrine": ["methylergonovine"],
    "pethidine": ["meperidine"],
    "nitroglycerin": ["glyceryl trinitrate"],
}

# Dose forms: PhilHealth wordings, hospital spellings for the tuning part, spellings kept apart.
FORMS = {
    "tab": (["tablet", "film-coated tablet"], ["tab", "TAB", "tablet", "Tabs", "tab."], ["tb", "tablt", "TBLT"]),
    "cap": (["capsule"], ["cap", "CAP", "capsule", "caps"], ["cp", "cpsl", "CAPS."]),
    "susp": (["suspension", "powder for oral suspension", "oral suspension"], ["susp", "SUSP", "suspension"],
             ["susp'n", "oral susp.", "SUSPEN"]),
    "syr": (["syrup", "oral solution (syrup)"], ["syr", "syrup", "SYR", "syp"], ["syrp", "SYRUP.", "sy"]),
    "drops": (["oral drops", "drops"], ["drops", "gtts", "DROPS"], ["drp", "oral drps", "DRPS"]),
    "amp": (["ampule", "solution for injection, ampule", "ampul"], ["amp", "ampule", "AMP", "inj amp"],
            ["ampoule", "AMPL", "amps."]),
    "vial": (["vial", "powder for injection, vial"], ["vial", "VIAL", "vl", "inj vial"], ["vls", "VIAL.", "ivial"]),
    "inf": (["solution for infusion", "IV infusion", "intravenous infusion"], ["IVF", "infusion", "IV soln", "IV"],
            ["INFUS.", "iv fluid", "ivf bag"]),
    "cream": (["cream"], ["cream", "crm", "CREAM", "cr"], ["CRM.", "krim", "crème"]),
    "oint": (["ointment"], ["oint", "ointment", "OINT"], ["ung", "ointmt", "OINTMT"]),
    "gel": (["gel"], ["gel", "GEL"], ["jelly", "gel."]),
    "lotion": (["lotion"], ["lotion", "lot"], ["LOTN", "lotion."]),
    "neb": (["nebule", "respirator solution (nebule)", "solution for inhalation"], ["neb", "nebule", "NEB", "respule"],
            ["nebu", "nebs", "NEBULE."]),
    "inh": (["metered dose inhaler", "inhaler"], ["inhaler", "MDI", "inh"], ["puffer", "evohaler", "INHAL"]),
    "nasal": (["nasal spray"], ["nasal spray", "nasal spr"], ["NASAL SPR.", "nsl spray"]),
    "spray": (["spray"], ["spray", "SPRAY"], ["spr", "aerosol"]),
    "sach": (["sachet", "granules for oral solution, sachet"], ["sachet", "sach", "SACHET"], ["sacht", "sachets.", "pouch"]),
    "supp": (["suppository"], ["supp", "suppository", "suppo"], ["SUPPOS.", "supps", "rectal supp"]),
    "eyedrops": (["eye drops", "ophthalmic solution"], ["ophth drops", "eye drops", "ophth soln", "EYE DROPS"],
                 ["opth gtts", "e/d", "eye gtts"]),
    "eardrops": (["ear drops", "otic solution"], ["otic drops", "ear drops", "otic soln"], ["e/drops otic", "aural drops", "ear gtts"]),
    "eyeoint": (["eye ointment", "ophthalmic ointment"], ["ophth oint", "eye oint", "EYE OINTMENT"], ["opth ung", "eye ung", "ophth. oint."]),
    "vagtab": (["vaginal tablet"], ["vag tab", "vaginal tablet", "VAG TAB"], ["pessary", "vaginal ovule", "vag. tabs"]),
    "vagcream": (["vaginal cream"], ["vag cream", "vaginal cream"], ["vag crm", "VAGINAL CRM."]),
    "pfs": (["pre-filled syringe", "solution for injection, pre-filled syringe"], ["prefilled syringe", "PFS", "pre-filled syr"],
            ["syringe", "prefilled inj", "pen"]),
    "gran": (["granules"], ["granules", "gran"], ["granule sachet", "GRANS"]),
    "soln": (["solution"], ["soln", "solution", "sol"], ["solutn", "SOL'N", "liquid"]),
    "shampoo": (["shampoo"], ["shampoo"], ["shampoo"]),
    "powder": (["powder"], ["powder", "pwd"], ["PDR.", "powd"]),
}

# Qualifiers: PhilHealth wordings, hospital spellings for tuning, spellings kept apart.
QUALIFIERS = {
    "mr": (["modified release", "extended release", "sustained release", "controlled release"],
           ["MR", "SR", "XR", "ER", "CR", "XL", "modified release", "sustained release", "extended-release",
            "prolonged release"],
           ["retard", "LA", "OD"]),
    "chew": (["chewable"], ["chewable", "chew", "CHEW"], ["chewtab", "chewables", "CHW"]),
    "dt": (["dispersible"], ["DT", "dispersible", "disp"], ["dispersable", "sol tab", "DISPERS."]),
    "sl": (["sublingual"], ["S/L", "sublingual", "SL"], ["subling", "SUBLING.", "under the tongue"]),
    "eff": (["effervescent"], ["effervescent", "eff", "EFF"], ["effer", "EFFERV.", "fizzy"]),
    "ec": (["enteric-coated", "delayed release", "gastro-resistant"], ["EC", "enteric coated", "enteric-coated"],
           ["E.C.", "entcoated", "DR"]),
    "conc": (["concentrate", "concentrate for solution for infusion"], ["conc", "concentrate", "CONC."],
             ["concentrated", "concen", "for dilution"]),
}
