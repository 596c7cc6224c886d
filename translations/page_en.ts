<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>page</name>
    <message>
        <source>铁氧体磁芯有效参数计算</source>
        <translation>Ferrite core effective parameters</translation>
    </message>
    <message>
        <source>铁氧体磁芯有效参数计算（IEC 60205）：C1、C2、Le、Ae、Ve</source>
        <translation>Effective parameters of ferrite cores (IEC 60205): C1, C2, Le, Ae, Ve</translation>
    </message>
    <message>
        <source>请选择磁芯类型:</source>
        <translation>Choose a core type:</translation>
    </message>
    <message>
        <source>ferricalc 开发者 出品 · 版本</source>
        <translation>by the ferricalc developers · version</translation>
    </message>
    <message>
        <source>无法读取所选的文件</source>
        <translation>the chosen file cannot be read</translation>
    </message>
    <message>
        <source>无法打开 %1：%2。</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>打开设计文件…</source>
        <translation>Open design file…</translation>
    </message>
    <message>
        <source>打开 .ferricalc 设计文件（桌面版保存的也可以）</source>
        <translation>Open a .ferricalc design file (the desktop program&apos;s too)</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>page-advise</name>
    <message>
        <source>电感 L</source>
        <translation>Inductance L</translation>
    </message>
    <message>
        <source>峰值电流 Î</source>
        <translation>Peak current Î</translation>
    </message>
    <message>
        <source>直流电流加纹波的一半；</source>
        <translation>the direct current plus half the ripple; </translation>
    </message>
    <message>
        <source>纹波 ΔI</source>
        <translation>Ripple ΔI</translation>
    </message>
    <message>
        <source>峰峰值；</source>
        <translation>peak to peak; </translation>
    </message>
    <message>
        <source>频率 f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <source>可写 100k、1.5M；</source>
        <translation>100k or 1.5M may be written; </translation>
    </message>
    <message>
        <source>占空比 D</source>
        <translation>Duty D</translation>
    </message>
    <message>
        <source>磁芯温度</source>
        <translation>Core temperature</translation>
    </message>
    <message>
        <source>温升 ΔT 至多</source>
        <translation>Rise ΔT at most</translation>
    </message>
    <message>
        <source>B̂max 至多</source>
        <translation>B̂max at most</translation>
    </message>
    <message>
        <source>窗口填充至多</source>
        <translation>Window fill at most</translation>
    </message>
    <message>
        <source>体积最小</source>
        <translation>Smallest volume</translation>
    </message>
    <message>
        <source>损耗最小</source>
        <translation>Lowest loss</translation>
    </message>
    <message>
        <source>质量最小</source>
        <translation>Lightest</translation>
    </message>
    <message>
        <source>按体积排序</source>
        <translation>by volume</translation>
    </message>
    <message>
        <source>按损耗排序</source>
        <translation>by loss</translation>
    </message>
    <message>
        <source>按质量排序</source>
        <translation>by mass</translation>
    </message>
    <message>
        <source>磁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>气隙 mm</source>
        <translation>Gap mm</translation>
    </message>
    <message>
        <source>线径 mm</source>
        <translation>Wire mm</translation>
    </message>
    <message>
        <source>磁芯损耗 W</source>
        <translation>Core loss W</translation>
    </message>
    <message>
        <source>铜损 W</source>
        <translation>Copper loss W</translation>
    </message>
    <message>
        <source>质量 g</source>
        <translation>Mass g</translation>
    </message>
    <message>
        <source>结论</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>磁芯选型</source>
        <translation>Core selection</translation>
    </message>
    <message>
        <source>要求</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>限值</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>磁芯类型</source>
        <translation>Core type</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>按此列排序（再按一次倒序）</source>
        <translation>Sort by this column (again to reverse)</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>总损耗与体积（红：没有别的设计既更小又更凉）</source>
        <translation>Total loss against volume (red: no other design is both smaller and cooler)</translation>
    </message>
    <message>
        <source>范围 %1 – %2</source>
        <translation>range %1 – %2</translation>
    </message>
    <message>
        <source>（不含）</source>
        <translation> (excluded)</translation>
    </message>
    <message>
        <source>不能为空</source>
        <translation>cannot be empty</translation>
    </message>
    <message>
        <source>不是数字</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>纹波电流不能超过峰值电流的两倍</source>
        <translation>the ripple cannot exceed twice the peak current</translation>
    </message>
    <message>
        <source>要求有误：见各栏旁的说明</source>
        <translation>The requirement is wrong: see the notes beside the boxes</translation>
    </message>
    <message>
        <source>请至少选一种磁芯类型和一种材料</source>
        <translation>Choose at least one core type and one material</translation>
    </message>
    <message>
        <source>可行 %1 / %2（%3）</source>
        <translation>Feasible %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>可行 %1 / %2（没有磁芯满足要求，列出最接近的）</source>
        <translation>Feasible %1 / %2 (no core meets the requirement; the closest are listed)</translation>
    </message>
    <message>
        <source>回车或单击：在计算器中打开此设计</source>
        <translation>Enter or click: open this design in the calculator</translation>
    </message>
    <message>
        <source>另有 %1 行，全部列出</source>
        <translation>%1 more rows: list them all</translation>
    </message>
    <message>
        <source>总损耗 / W</source>
        <translation>Total loss / W</translation>
    </message>
    <message>
        <source>%1 %2：Ve %3 mm³，%4 W</source>
        <translation>%1 %2: Ve %3 mm³, %4 W</translation>
    </message>
    <message>
        <source>没有可行的设计</source>
        <translation>No feasible design</translation>
    </message>
</context>
<context>
    <name>page-calculator</name>
    <message>
        <source>上次计算的结果</source>
        <translation>Result of an earlier Calculate</translation>
    </message>
    <message>
        <source>上次计算</source>
        <translation>Last calculated</translation>
    </message>
    <message>
        <source>—— 自定义型号 ——</source>
        <translation>—— Own cores ——</translation>
    </message>
    <message>
        <source>%1磁芯的尺寸图</source>
        <translation>Dimensions of the %1 core</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>设计…</source>
        <translation>Design…</translation>
    </message>
    <message>
        <source>由计算所得的磁芯求 AL、气隙、匝数、电感和磁通密度</source>
        <translation>AL, gap, turns, inductance and flux density of the core just calculated</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>复制结果</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>把各尺寸和结果复制为两行，以制表符分隔</source>
        <translation>Copy the dimensions and results as two tab-separated rows</translation>
    </message>
    <message>
        <source>设计文件 %1 的磁芯尺寸无法计算，设计未打开。</source>
        <translation>The core dimensions of design file %1 do not calculate; the design was not opened.</translation>
    </message>
    <message>
        <source>无法载入计算模块，不能计算。</source>
        <translation>The calculation module could not be loaded; nothing can be calculated.</translation>
    </message>
    <message>
        <source>标准型号</source>
        <translation>Standard core</translation>
    </message>
    <message>
        <source>标准型号:</source>
        <translation>Standard core:</translation>
    </message>
    <message>
        <source>保存为自定义型号…</source>
        <translation>Save as own core…</translation>
    </message>
    <message>
        <source>把各尺寸以一个名称保存为自定义型号</source>
        <translation>Save the dimensions under a name as an own core</translation>
    </message>
    <message>
        <source>重命名…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>重命名所选的自定义型号</source>
        <translation>Rename the chosen own core</translation>
    </message>
    <message>
        <source>删除…</source>
        <translation>Delete…</translation>
    </message>
    <message>
        <source>删除所选的自定义型号</source>
        <translation>Delete the chosen own core</translation>
    </message>
    <message>
        <source>导出型号库…</source>
        <translation>Export library…</translation>
    </message>
    <message>
        <source>把全部自定义型号存为 JSON 文件（桌面版可导入）</source>
        <translation>Save every own core as a JSON file (the desktop program imports it)</translation>
    </message>
    <message>
        <source>导入型号库…</source>
        <translation>Import library…</translation>
    </message>
    <message>
        <source>从 JSON 文件导入自定义型号，与已有的合并</source>
        <translation>Import own cores from a JSON file, merged with those already here</translation>
    </message>
    <message>
        <source>自定义型号：保存、重命名、删除、导出与导入</source>
        <translation>Own cores: save, rename, delete, export and import</translation>
    </message>
    <message>
        <source>型号库</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>自定义型号的名称</source>
        <translation>Name of the own core</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>已有名为 %1 的自定义型号；再按保存替换它。</source>
        <translation>An own core named %1 exists; press Save again to replace it.</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>已重命名为 %1。</source>
        <translation>Renamed to %1.</translation>
    </message>
    <message>
        <source>已保存为自定义型号 %1。</source>
        <translation>Saved as own core %1.</translation>
    </message>
    <message>
        <source>新名称:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>型号名称:</source>
        <translation>Core name:</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>已删除自定义型号 %1。</source>
        <translation>Own core %1 deleted.</translation>
    </message>
    <message>
        <source>删除自定义型号 %1？</source>
        <translation>Delete own core %1?</translation>
    </message>
    <message>
        <source>无法读取所选的文件。</source>
        <translation>The chosen file cannot be read.</translation>
    </message>
    <message>
        <source>自定义型号</source>
        <translation>Own core</translation>
    </message>
    <message>
        <source>数据手册: 无</source>
        <translation>Data sheet: none</translation>
    </message>
    <message>
        <source>数据手册: %1</source>
        <translation>Data sheet: %1</translation>
    </message>
    <message>
        <source>偏差: %1</source>
        <translation>Deviation: %1</translation>
    </message>
    <message>
        <source>磁芯类型</source>
        <translation>Core type</translation>
    </message>
</context>
<context>
    <name>page-design</name>
    <message>
        <source>交流磁通密度峰值：L·ΔI / (2·N·Ae)，或直接给出</source>
        <translation>Peak AC flux density: L·ΔI / (2·N·Ae), or given directly</translation>
    </message>
    <message>
        <source>单位体积磁芯损耗（Steinmetz 拟合；三角波用 iGSE）</source>
        <translation>Core loss per volume (Steinmetz fit; iGSE for a triangle)</translation>
    </message>
    <message>
        <source>磁芯损耗</source>
        <translation>Core loss</translation>
    </message>
    <message>
        <source>平均匝长 MLT</source>
        <translation>Mean turn length MLT</translation>
    </message>
    <message>
        <source>绕组填满窗口时一匝的平均长度</source>
        <translation>Mean length of a turn with the winding filling the window</translation>
    </message>
    <message>
        <source>直流电阻 R_dc</source>
        <translation>DC resistance R_dc</translation>
    </message>
    <message>
        <source>铜线在磁芯温度下的直流电阻（0.393 %/K）</source>
        <translation>DC resistance of the copper at the core&apos;s temperature (0.393 %/K)</translation>
    </message>
    <message>
        <source>铜损</source>
        <translation>Copper loss</translation>
    </message>
    <message>
        <source>I_rms² · R_dc，I_rms² = I_dc² + ΔI²/12</source>
        <translation>I_rms² · R_dc, I_rms² = I_dc² + ΔI²/12</translation>
    </message>
    <message>
        <source>窗口填充率</source>
        <translation>Window fill</translation>
    </message>
    <message>
        <source>漆包线（IEC 60317 1 级）外径所占窗口面积</source>
        <translation>Share of the window taken by the enamelled wire&apos;s outer diameter (IEC 60317 grade 1)</translation>
    </message>
    <message>
        <source>热阻 Rth</source>
        <translation>Thermal resistance Rth</translation>
    </message>
    <message>
        <source>静止空气中：Rth = 53·Ve^−0.54（Maniktala）</source>
        <translation>In still air: Rth = 53·Ve^−0.54 (Maniktala)</translation>
    </message>
    <message>
        <source>温升 ΔT</source>
        <translation>Temperature rise ΔT</translation>
    </message>
    <message>
        <source>Rth × (磁芯损耗 + 铜损)</source>
        <translation>Rth × (core loss + copper loss)</translation>
    </message>
    <message>
        <source>磁路设计 — %1</source>
        <translation>Magnetic design — %1</translation>
    </message>
    <message>
        <source>（）内为计算器的值：设计用更接近实际的磁路，背板按其宽度 H 上的径向磁通计算</source>
        <translation>In brackets the calculator&apos;s figures: the design uses a closer path, with radial flux across the back&apos;s width H</translation>
    </message>
    <message>
        <source>磁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>有效磁路长度</source>
        <translation>Effective magnetic path length</translation>
    </message>
    <message>
        <source>有效截面积</source>
        <translation>Effective area</translation>
    </message>
    <message>
        <source>有效体积</source>
        <translation>Effective volume</translation>
    </message>
    <message>
        <source>磁通经过的最小截面积</source>
        <translation>Smallest section the flux passes</translation>
    </message>
    <message>
        <source>一个绕线窗口的面积</source>
        <translation>Area of one winding window</translation>
    </message>
    <message>
        <source>面积积</source>
        <translation>Area product</translation>
    </message>
    <message>
        <source>质量</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>Ve × 材料密度；材料未给密度时无此值</source>
        <translation>Ve × the material&apos;s density; none where the material gives no density</translation>
    </message>
    <message>
        <source>%1（%2，%3）</source>
        <translation>%1 (%2, %3)</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>初始磁导率 µi</source>
        <translation>Initial permeability µi</translation>
    </message>
    <message>
        <source>Bsat（100 °C）</source>
        <translation>Bsat (100 °C)</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1：只在%1磨出气隙；全部柱：垫片使每个柱都有此气隙</source>
        <translation>%1: the gap is ground into the %1 only; all legs: a spacer gives every leg this gap</translation>
    </message>
    <message>
        <source>全部柱</source>
        <translation>all legs</translation>
    </message>
    <message>
        <source>气隙</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>气隙 lg</source>
        <translation>Gap lg</translation>
    </message>
    <message>
        <source>磁通经过一次的气隙总长；</source>
        <translation>total length of gap the flux crosses once; </translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>Mühlethaler 等的三维气隙磁阻模型计入气隙边缘磁通</source>
        <translation>Fringe flux by the three-dimensional gap reluctance model of Mühlethaler et al.</translation>
    </message>
    <message>
        <source>气隙截面取柱的截面，不计边缘磁通</source>
        <translation>The gap&apos;s section taken as the leg&apos;s, no fringe flux</translation>
    </message>
    <message>
        <source>电感系数</source>
        <translation>Inductance factor</translation>
    </message>
    <message>
        <source>AL（计边缘磁通）</source>
        <translation>AL (with fringing)</translation>
    </message>
    <message>
        <source>µe（计边缘磁通）</source>
        <translation>µe (with fringing)</translation>
    </message>
    <message>
        <source>AL（不计边缘磁通）</source>
        <translation>AL (no fringing)</translation>
    </message>
    <message>
        <source>µe（不计边缘磁通）</source>
        <translation>µe (no fringing)</translation>
    </message>
    <message>
        <source>AL（无气隙）</source>
        <translation>AL (ungapped)</translation>
    </message>
    <message>
        <source>不磨气隙的磁芯：µ0 / (C1/µi + 剩余气隙的磁阻)</source>
        <translation>The core with no gap ground: µ0 / (C1/µi + the residual gap&apos;s reluctance)</translation>
    </message>
    <message>
        <source>AL（理想无气隙）</source>
        <translation>AL (ideal, ungapped)</translation>
    </message>
    <message>
        <source>µ0·µi / C1：两半磁芯完全贴合、没有剩余气隙时的上限，仅供对照</source>
        <translation>µ0·µi / C1: the limit with the halves touching perfectly, no residual gap; for comparison only</translation>
    </message>
    <message>
        <source>剩余气隙</source>
        <translation>Residual gap</translation>
    </message>
    <message>
        <source>两半磁芯磨平的接合面从不完全贴合：每个接合面按此空气隙计，与磁芯串联（中柱气隙也长这么多）；厂家的无气隙 AL 按此模型反推为 1–6 µm。未切开的磁环没有接合面，为 0。</source>
        <translation>The ground faces of the two halves never meet perfectly: each joint counts as this air gap in series with the core (the centre post&apos;s gap grows by as much); the makers&apos; ungapped AL gives 1–6 µm by this model. An uncut ring has no joint: 0.</translation>
    </message>
    <message>
        <source>用作气隙</source>
        <translation>Use as gap</translation>
    </message>
    <message>
        <source>把求得的气隙填入气隙 lg</source>
        <translation>Put the gap found into Gap lg</translation>
    </message>
    <message>
        <source>由 AL 求气隙</source>
        <translation>Gap for an AL</translation>
    </message>
    <message>
        <source>目标 AL</source>
        <translation>Wanted AL</translation>
    </message>
    <message>
        <source>所需气隙</source>
        <translation>Gap needed</translation>
    </message>
    <message>
        <source>求达到此电感的最少整数匝</source>
        <translation>The fewest whole turns that reach this inductance</translation>
    </message>
    <message>
        <source>绕组与磁通密度</source>
        <translation>Winding and flux density</translation>
    </message>
    <message>
        <source>匝数 N</source>
        <translation>Turns N</translation>
    </message>
    <message>
        <source>电感 L</source>
        <translation>Inductance L</translation>
    </message>
    <message>
        <source>→ 匝数</source>
        <translation>→ turns</translation>
    </message>
    <message>
        <source>→ 电感 AL·N²</source>
        <translation>→ inductance AL·N²</translation>
    </message>
    <message>
        <source>峰值电流 Î</source>
        <translation>Peak current Î</translation>
    </message>
    <message>
        <source>B̂（Ae）</source>
        <translation>B̂ (Ae)</translation>
    </message>
    <message>
        <source>B̂（Amin）</source>
        <translation>B̂ (Amin)</translation>
    </message>
    <message>
        <source>最窄截面处：B̂·Ae / Amin</source>
        <translation>At the narrowest section: B̂·Ae / Amin</translation>
    </message>
    <message>
        <source>磁路中最大的磁通密度（环形在内径处，其他取 Ae 与 Amin 处的较大者），由它判断是否饱和</source>
        <translation>The highest flux density in the path (a ring&apos;s at its inner radius, else the larger of those on Ae and Amin), which decides saturation</translation>
    </message>
    <message>
        <source>B̂max 达到 Bsat（100 °C）时的峰值电流</source>
        <translation>The peak current at which B̂max reaches Bsat (100 °C)</translation>
    </message>
    <message>
        <source>储能 ½·L·Î²</source>
        <translation>Energy ½·L·Î²</translation>
    </message>
    <message>
        <source>峰值电流时电感中储存的能量</source>
        <translation>Energy stored in the inductor at the peak current</translation>
    </message>
    <message>
        <source>磁通波形：正弦用 Steinmetz 公式，三角波用 iGSE</source>
        <translation>Flux waveform: Steinmetz&apos;s equation for a sine, iGSE for a triangle</translation>
    </message>
    <message>
        <source>正弦</source>
        <translation>sine</translation>
    </message>
    <message>
        <source>三角波</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>直接给出 B̂ac</source>
        <translation>Give B̂ac directly</translation>
    </message>
    <message>
        <source>损耗与温升</source>
        <translation>Losses and temperature rise</translation>
    </message>
    <message>
        <source>频率 f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <source>可写 100k、1.5M；</source>
        <translation>100k or 1.5M may be written; </translation>
    </message>
    <message>
        <source>波形</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>占空比 D</source>
        <translation>Duty D</translation>
    </message>
    <message>
        <source>三角波上升段所占周期的比例；</source>
        <translation>share of the period the triangle rises; </translation>
    </message>
    <message>
        <source>纹波 ΔI（峰峰）</source>
        <translation>Ripple ΔI (peak to peak)</translation>
    </message>
    <message>
        <source>磁芯温度</source>
        <translation>Core temperature</translation>
    </message>
    <message>
        <source>线径（裸铜）</source>
        <translation>Wire (bare copper)</translation>
    </message>
    <message>
        <source>股数</source>
        <translation>Strands</translation>
    </message>
    <message>
        <source>磁芯损耗与磁通密度</source>
        <translation>Core loss against flux density</translation>
    </message>
    <message>
        <source>电感系数与气隙</source>
        <translation>Inductance factor against gap</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>选型…</source>
        <translation>Select a core…</translation>
    </message>
    <message>
        <source>磁芯选型：为此要求设计每个标准磁芯并排序</source>
        <translation>Core selection: design every standard core for this requirement and rank them</translation>
    </message>
    <message>
        <source>保存设计…</source>
        <translation>Save design…</translation>
    </message>
    <message>
        <source>把磁芯尺寸与全部输入存为 .ferricalc 设计文件（桌面版可打开）</source>
        <translation>Save the core&apos;s dimensions and every input as a .ferricalc design file (the desktop program opens it)</translation>
    </message>
    <message>
        <source>打开设计…</source>
        <translation>Open design…</translation>
    </message>
    <message>
        <source>打开 .ferricalc 设计文件</source>
        <translation>Open a .ferricalc design file</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>打印一到两页 A4 的设计报告</source>
        <translation>Print the design as a report of one or two A4 pages</translation>
    </message>
    <message>
        <source>磁路设计</source>
        <translation>Magnetic design</translation>
    </message>
    <message>
        <source>design.material（本页没有材料 %1）</source>
        <translation>design.material (this page has no material %1)</translation>
    </message>
    <message>
        <source>已打开设计文件 %1。</source>
        <translation>Design file %1 opened.</translation>
    </message>
    <message>
        <source>忽略了本页不认识的内容：%1。</source>
        <translation>Ignored what this page does not know: %1.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1磁芯的尺寸图</source>
        <translation>Dimensions of the %1 core</translation>
    </message>
    <message>
        <source>尺寸（mm）</source>
        <translation>Dimensions (mm)</translation>
    </message>
    <message>
        <source>有效参数</source>
        <translation>Effective parameters</translation>
    </message>
    <message>
        <source>范围 %1 – %2</source>
        <translation>range %1 – %2</translation>
    </message>
    <message>
        <source>（不含）</source>
        <translation> (excluded)</translation>
    </message>
    <message>
        <source>；可空着</source>
        <translation>; may be left empty</translation>
    </message>
    <message>
        <source>大于 0，至多 %1；空着为未知</source>
        <translation>above 0, at most %1; empty for unknown</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>磁芯（设计按背板径向磁通）</source>
        <translation>Core (the design with radial flux in the back)</translation>
    </message>
    <message>
        <source>纹波电流不能超过峰值电流的两倍</source>
        <translation>the ripple cannot exceed twice the peak current</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>公布值 %1</source>
        <translation>Published %1</translation>
    </message>
    <message>
        <source>公布值（其他材料）</source>
        <translation>Published (other materials)</translation>
    </message>
</context>
<context>
    <name>page-plot</name>
    <message>
        <source>气隙 lg / mm</source>
        <translation>Gap lg / mm</translation>
    </message>
    <message>
        <source>%1：无气隙，AL %2 nH</source>
        <translation>%1: ungapped, AL %2 nH</translation>
    </message>
    <message>
        <source>%1：气隙 %2 mm，AL %3 nH</source>
        <translation>%1: gap %2 mm, AL %3 nH</translation>
    </message>
    <message>
        <source>厂家公布值</source>
        <translation>Published by the maker</translation>
    </message>
    <message>
        <source>计边缘磁通</source>
        <translation>with fringing</translation>
    </message>
    <message>
        <source>不计边缘磁通</source>
        <translation>no fringing</translation>
    </message>
    <message>
        <source>无气隙</source>
        <translation>ungapped</translation>
    </message>
    <message>
        <source>电感系数 AL 与气隙 lg 的关系（对数坐标）</source>
        <translation>Inductance factor AL against gap lg (logarithmic axes)</translation>
    </message>
    <message>
        <source>&#x3000;f = %1</source>
        <translation>  f = %1</translation>
    </message>
    <message>
        <source>磁芯损耗 Pv 与磁通密度 B̂ 的关系（对数坐标）</source>
        <translation>Core loss Pv against flux density B̂ (logarithmic axes)</translation>
    </message>
</context>
<context>
    <name>page-shared</name>
    <message>
        <source>无法载入计算模块，请使用较新的浏览器打开本页。</source>
        <translation>The calculation module could not be loaded: open this page in a newer browser.</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>page-store</name>
    <message>
        <source>浏览器不允许本页保存数据（隐私模式或存储已满），</source>
        <translation>The browser does not let this page store data (a private window, or storage full): </translation>
    </message>
    <message>
        <source>无法读取已保存的内容。</source>
        <translation>what was saved cannot be read.</translation>
    </message>
    <message>
        <source>未能保存。</source>
        <translation>nothing was saved.</translation>
    </message>
    <message>
        <source>不是完整的 JSON</source>
        <translation>not complete JSON</translation>
    </message>
    <message>
        <source>不是 ferricalc 的自定义型号文件</source>
        <translation>not a ferricalc own-core file</translation>
    </message>
    <message>
        <source>格式版本 %1，本页只读版本 %2</source>
        <translation>format version %1; this page reads version %2 only</translation>
    </message>
    <message>
        <source>%1 个型号无法读取</source>
        <translation>%1 cores cannot be read</translation>
    </message>
    <message>
        <source>已保存的自定义型号无法读取（%1），也无法另存；不会覆盖它。</source>
        <translation>The saved own cores cannot be read (%1) nor kept aside; they will not be written over.</translation>
    </message>
    <message>
        <source>已保存的自定义型号无法完整读取（%1），原内容另存于浏览器存储的 %2。</source>
        <translation>The saved own cores cannot all be read (%1); what was saved is kept in the browser&apos;s storage as %2.</translation>
    </message>
    <message>
        <source>型号名称不能为空</source>
        <translation>The core&apos;s name cannot be empty</translation>
    </message>
    <message>
        <source>没有名为 %1 的自定义型号</source>
        <translation>No own core is named %1</translation>
    </message>
    <message>
        <source>已有名为 %1 的自定义型号</source>
        <translation>An own core named %1 exists</translation>
    </message>
    <message>
        <source>无法导入：%1。</source>
        <translation>Cannot import: %1.</translation>
    </message>
    <message>
        <source>无法导入：%1</source>
        <translation>Cannot import: %1</translation>
    </message>
    <message>
        <source>导入 %1 个自定义型号</source>
        <translation>%1 own cores imported</translation>
    </message>
    <message>
        <source>%1 个因重名加了编号</source>
        <translation>%1 numbered for a clashing name</translation>
    </message>
    <message>
        <source>%1 个已有</source>
        <translation>%1 already here</translation>
    </message>
    <message>
        <source>%1 个无法读取，未导入</source>
        <translation>%1 unreadable, not imported</translation>
    </message>
    <message>
        <source>%1。</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>不是设计文件（不是完整的 JSON）</source>
        <translation>not a design file (not complete JSON)</translation>
    </message>
    <message>
        <source>不是 ferricalc 的设计文件</source>
        <translation>not a ferricalc design file</translation>
    </message>
    <message>
        <source>格式版本 %1 新增的内容</source>
        <translation>what format version %1 added</translation>
    </message>
    <message>
        <source>设计文件中的磁芯类型 %1 本页没有</source>
        <translation>this page has no core type %1 of the design file</translation>
    </message>
</context>
</TS>
